#pragma once

#include <QStringView>

// Finds a pattern as it would appear in the lower- or upper-cased text, but
// searches the text itself: no copy of a large page is made, and the position
// found is a position of the original text, where the caret must go.
class CaseMappedSearch
{
public:
    enum class Mapping { Lower, Upper };

    // The first position at which every character of the text, case-mapped,
    // equals the pattern's character; -1 when there is none. The pattern is
    // written in the mapped case ("<title>" for Lower, "</A>" for Upper).
    static qsizetype indexOf(QStringView text, QStringView pattern, Mapping mapping);
    // Whether the pattern, so compared, stands at the position; false when
    // it would run past the end of the text.
    static bool matchesAt(QStringView text, qsizetype at, QStringView pattern, Mapping mapping);
};
