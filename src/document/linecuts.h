#pragma once

#include <QList>
#include <QStringView>

#include <vector>

// Where a very long line is cut into pieces for the edit control, which lays
// out each piece on its own. A cut never falls inside a surrogate pair or a
// CR LF (the edit control's lines hold neither break, but text handed in from
// elsewhere may) and
// preferably falls after a ">" or a blank, so the wrapped text breaks where a
// reader expects.
class LineCuts
{
public:
    // A piece longer than this is cut again after an edit. A keystroke costs
    // about as much as laying out the piece it falls in: measured on a
    // minified page of markup and Japanese, pieces of up to 4096 characters
    // cost 2 ms a key, up to 1024 well under 1 ms.
    static constexpr qsizetype MaxPiece = 1024;
    // The length pieces are cut to; joining two neighbours never makes more.
    static constexpr qsizetype TargetPiece = MaxPiece / 2;

    // The end of the piece that starts at `from`: at most `from + target`,
    // at least `from + target / 2` when a pleasant place is found there, and
    // the end of the text when the rest fits.
    static qsizetype nextCut(QStringView text, qsizetype from, qsizetype target = TargetPiece);
    // Every cut of a line longer than `limit`, ascending; none for a shorter one.
    static QList<qsizetype> cuts(QStringView text, qsizetype limit = MaxPiece, qsizetype target = TargetPiece);
    // Every cut of every line longer than MaxPiece in a text with "\n" line
    // breaks, as ascending positions of that text.
    static std::vector<qsizetype> cutsOfLines(QStringView text);
};
