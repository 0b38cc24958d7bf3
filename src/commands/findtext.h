#pragma once

#include <QString>
#include <QStringView>

#include <Qt>

// Where a search landed, in offsets of the text that was searched (a line
// break counts as CR LF, as the edit control hands the text out).
struct FindMatch {
    qsizetype start = -1;
    qsizetype length = 0;

    bool found() const { return start >= 0; }
    qsizetype end() const { return start + length; }
    bool operator==(const FindMatch &other) const
    {
        return start == other.start && length == other.length;
    }
};

enum class FindDirection {
    Down, // "下へ(&D)"
    Up,   // "上へ(&U)"
};

// What the find dialog's controls ask for.
struct FindOptions {
    bool fromStart = false; // "文章の先頭から検索": the whole text, downward
    FindDirection direction = FindDirection::Down;
    Qt::CaseSensitivity caseSensitivity = Qt::CaseSensitive;
};

// The searches of the find and replace dialogs and of F2, over the whole
// text. Searches never wrap around: what lies on the other side of the
// selection is out of reach.
class FindText
{
public:
    // The first occurrence that starts at or after `from`.
    static FindMatch next(QStringView text, QStringView what, qsizetype from,
                          Qt::CaseSensitivity cs = Qt::CaseSensitive);

    // The nearest occurrence that ends at or before `before`, so it lies
    // wholly in front of the selection that starts there.
    static FindMatch previous(QStringView text, QStringView what, qsizetype before,
                              Qt::CaseSensitivity cs = Qt::CaseSensitive);

    // The find dialog's "次を検索(&F)" for a selection [selStart, selStart + selLength).
    // Down searches from the end of the selection, so a selected occurrence
    // is passed over; an empty search text finds nothing.
    static FindMatch dialogFind(QStringView text, QStringView what, qsizetype selStart,
                                qsizetype selLength, const FindOptions &options);

    // The message shown when a search finds nothing, e.g. "abc"が見つかりません.
    static QString notFoundMessage(const QString &what);
};
