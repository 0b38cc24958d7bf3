#pragma once

#include <QLatin1StringView>
#include <QStringView>

// Finds markup whatever its letter case. Only ASCII letters are folded, so a
// match is the same as one in a lower-cased copy of the text, with the same
// positions, but no copy of a large page is made.
class AsciiSearch
{
public:
    // First position at or after `from` where `needle` (written in lower case)
    // stands in any letter case; -1 when there is none.
    static qsizetype indexOf(QStringView text, QLatin1StringView needle, qsizetype from = 0);
};
