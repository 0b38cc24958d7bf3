#pragma once

#include "shared/syntaxcolor.h"

#include <QString>

// The skeleton of a page that IDM_NORMAL writes at the caret, replacing the
// selection: html, head with its title, and an empty body, 78 characters with
// CR LF line breaks. Tag names are blue and everything after them black; the
// first "<" keeps the colour in effect at the caret.
class PageSkeleton
{
public:
    static PieceList pieces();
    // Where the caret goes afterwards, counted from the start of the whole
    // text with CR LF as two characters. For a skeleton written into an empty
    // document it lies on the first empty line of the body.
    static constexpr qsizetype CaretOffset = 59;
};
