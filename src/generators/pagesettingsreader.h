#pragma once

#include "generators/pagesettings.h"

#include <QStringView>

#include <optional>

// Reads the head information of a page into the page settings. What the page
// does not show keeps its default; a value whose closing quote is missing is
// not read.
class PageSettingsReader
{
public:
    // A stretch of the page, in the edit control's offsets.
    struct Span {
        qsizetype start = -1;
        qsizetype length = 0;
    };

    // `lastValue`, when given, receives the value read last (charset, then
    // language, then title), which the dialog leaves selected while open;
    // start -1 when none was read.
    static PageSettings read(QStringView text, Span *lastValue = nullptr);

    // The attribute value that starts at `start` and ends before the next
    // double quote. None when its closing quote is missing: a ">", "<" or
    // line break comes first, or the text ends.
    static std::optional<Span> quotedValue(QStringView text, qsizetype start);
};
