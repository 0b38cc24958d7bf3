#pragma once

#include "shared/syntaxcolor.h"

#include <QString>

// The tags that the add_ commands of the document window wrap around the
// selection. Heading takes its level separately.
enum class TagKind {
    Strong,
    Bold,
    Italic,
    Em,
    Underline,
    Strike,
    Strikes,
    Del,
    P,
    PRight,
    PCenter,
    PLeft,
    StyleBold,
    StyleItalic,
    StyleUnderline,
    A,
    Heading,
};

// What a tag command writes at the caret, replacing the selection, and how
// many characters the caret then moves back from the end of what was written.
struct TagInsertion {
    PieceList pieces;
    qsizetype caretBack = 0;
};

// The tag commands as pieces in the syntax colours: the opening "<" keeps the
// colour in effect at the caret, tag names are blue, attribute names purple,
// attribute values green with their quotes, and each ">" black. The wrapped
// text follows the black ">" and so is black too.
class TagCommands
{
public:
    // The selected text between an opening and a closing tag, in lower case.
    // The caret goes back by the length of the closing tag, so it ends just
    // before it: after the wrapped text, or between the tags when nothing was
    // selected. level is the heading level of TagKind::Heading, written in
    // decimal without a sign; the other kinds ignore it.
    static TagInsertion wrap(TagKind kind, const QString &selected, int level = 0);
    // The single <br>, which replaces the selection; the caret stays after it.
    static TagInsertion br();
};
