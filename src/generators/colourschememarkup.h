#pragma once

#include "generators/colourscheme.h"
#include "generators/sourceedit.h"

#include <QString>

#include <optional>

// The markup of the page colour scheme: a style block before the end of the
// head, or colour attributes in the body start tag.
class ColourSchemeMarkup
{
public:
    // The rules inside the style block, up to the body rule's last ";"; the
    // block adds the closing "}".
    static QString ruleText(const ColourScheme &scheme);
    // `<style type="text/css">` through `</style>`, with no line break after.
    static PieceList styleBlock(const ColourScheme &scheme);
    // The five attributes written right after "<body".
    static PieceList bodyAttributes(const ColourScheme &scheme);

    // Where the markup goes in `text` and what it replaces. In style-sheet
    // mode an existing style block is replaced whole; in body mode a page
    // without "<body" gets nothing: the caller tells the user with
    // noBodyMessage().
    static std::optional<SourceEdit> edit(const QString &text, const ColourScheme &scheme);

    static QString noBodyMessage();
};
