#pragma once

#include <QString>

// The document window's text replacement routine. Occurrences are found from
// left to right with exact character comparison, and a replacement is never
// searched again. After each replacement the search resumes at the second
// character of the occurrence, so the rest of the occurrence stays in the
// result: CR LF replaced by "<br>" keeps its LF, and "aXYbXY" with XY -> Z
// gives "aZYbZY".
class TextReplace
{
public:
    // One pass over the source; no limit on the number of occurrences or on
    // the distance between them. An empty searched text changes nothing.
    static QString replace(const QString &source, const QString &searched, const QString &replacement);
};
