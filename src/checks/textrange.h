#pragma once

#include <QVector>

// A stretch of a document's text, in offsets of the text as the edit control
// hands it out (a line break counts as CR LF).
struct TextRange {
    qsizetype start = 0;
    qsizetype length = 0;

    qsizetype end() const { return start + length; }
    bool operator==(const TextRange &other) const
    {
        return start == other.start && length == other.length;
    }
};

using TextRanges = QVector<TextRange>;
