#pragma once

#include "shared/syntaxcolor.h"

#include <QString>

// What a key of a completion filter box writes into the source, given the text
// typed into the box and the list's current entry ("" when none is selected).
class CompletionChoice
{
public:
    struct Tag {
        PieceList pieces; // written at the caret
        QString tagName;  // the tag whose attributes the attribute list then offers
    };

    // Space in a tag filter box that holds text. With tag completion (Check1)
    // the listed entry is written, else the text as typed; declarations are
    // written in red whichever is written.
    static Tag tagBySpace(const QString &typed, const QString &listed, bool tagCompletion);
    // Enter in a tag filter box that holds text: the listed entry when there is
    // one, else the text as typed, whatever Check1 says.
    static Tag tagByEnter(const QString &typed, const QString &listed);

    // The attribute name that Space, "=" or Enter of the attribute filter box
    // writes: with attribute completion (Check2) the listed entry when there is
    // one, else the text as typed.
    static QString attributeName(const QString &typed, const QString &listed, bool attributeCompletion);

    // An entry such as "data-" is the start of a name the author finishes:
    // choosing it writes it alone and leaves the caret after the hyphen.
    static bool isNameStart(const QString &name);

    // The tag list's entries that are declarations rather than tags.
    static bool isDeclaration(const QString &entry);
};
