#pragma once

#include "checks/textrange.h"
#include "shared/syntaxcolor.h"

#include <QTextFormat>

#include <vector>

class QTextBlock;
class QTextCursor;
class QTextDocument;

// The blocks of the edit control's document that continue the line of the
// block before them. A very long line is held as several blocks, each laid
// out on its own, joined by such soft breaks; the file, the offsets and every
// text handed out know nothing of them. The mark lives in the block format,
// so it travels with the block through undo and redo; this list of the
// marked block numbers, kept in step with each change, answers "how many
// soft breaks come before this block" in O(log n).
class SoftBreaks
{
public:
    static constexpr int MarkProperty = QTextFormat::UserProperty + 0x5B0F;

    static bool continuesLine(const QTextBlock &block);
    static QTextBlockFormat marked(QTextBlockFormat format);
    static QTextBlockFormat unmarked(QTextBlockFormat format);
    // Backspace at the head of a piece, or Delete at its end, would take
    // away the soft break (no character) instead of the character beyond
    // it: moves a cursor without a selection over the soft breaks in that
    // direction. Returns whether it moved.
    static bool stepOver(QTextCursor &cursor, bool backward);

    // Starts again from the marked blocks of a freshly filled document.
    void reset(std::vector<int> continuationBlocks, int blockCount);
    // Reads the marks of every block.
    void rebuild(const QTextDocument *document);
    // The document changed at `position` (`added` characters now there):
    // re-reads the marks of the blocks there and moves the numbers behind.
    void contentsChanged(const QTextDocument *document, int position, int added);

    bool isEmpty() const { return m_blocks.empty(); }
    int count() const { return int(m_blocks.size()); }
    // Continuation blocks numbered up to and including `blockNumber`.
    int before(int blockNumber) const;
    // The line (counting real breaks only) a block belongs to.
    int lineOfBlock(int blockNumber) const { return blockNumber - before(blockNumber); }
    // The block a line starts with.
    int firstBlockOfLine(int line) const;
    // The positions of the soft separators in [from, to), ascending.
    std::vector<int> separatorsBetween(const QTextDocument *document, int from, int to) const;

    // The offset (a line break counted as CR LF, a soft break not at all) of
    // a block's first character at `position`: the position plus one for
    // each real line break before it, less one for each soft break.
    qsizetype offsetOfBlock(int blockNumber, int position) const
    {
        return qsizetype(position) + blockNumber - 2 * qsizetype(before(blockNumber));
    }
    // An offset as a Qt position, O(log n). An offset between CR and LF, or
    // past the end, is the end of that line.
    int positionOfOffset(const QTextDocument *document, qsizetype offset) const;
    // Ascending offsets of the text (a line break counted as CR LF, a soft
    // break not at all) as Qt positions, in one walk down the blocks. An
    // offset between CR and LF is the end of its line.
    static QList<int> positionsOfOffsets(const QTextDocument *document, const QList<qsizetype> &offsets);

    // The raw text without the separators at `separators` (ascending positions).
    static QString withoutSeparators(const QString &raw, const std::vector<int> &separators);
    // Ascending stretches in positions of the text without the separators,
    // moved to positions with them. A stretch reaches over every separator
    // before its end, so a separator goes with the character before it.
    static ColourRuns withSeparators(const ColourRuns &runs, const std::vector<int> &separators);
    static TextRanges withSeparators(const TextRanges &ranges, const std::vector<int> &separators);

private:
    std::vector<int> m_blocks; // ascending block numbers of continuation blocks
    int m_blockCount = 1;
};
