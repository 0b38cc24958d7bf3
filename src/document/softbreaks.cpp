#include "document/softbreaks.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

// False when no block of the document was ever marked; cheap, and spares an
// ordinary page the walk over the changed blocks.
bool mayHoldMarks(const QTextDocument *document)
{
    const QList<QTextFormat> formats = document->allFormats();
    return std::any_of(formats.cbegin(), formats.cend(), [](const QTextFormat &format) {
        return format.isBlockFormat() && format.hasProperty(SoftBreaks::MarkProperty);
    });
}

} // namespace

bool SoftBreaks::continuesLine(const QTextBlock &block)
{
    return block.isValid() && block.blockFormat().hasProperty(MarkProperty);
}

QTextBlockFormat SoftBreaks::marked(QTextBlockFormat format)
{
    format.setProperty(MarkProperty, true);
    return format;
}

QTextBlockFormat SoftBreaks::unmarked(QTextBlockFormat format)
{
    format.clearProperty(MarkProperty);
    return format;
}

bool SoftBreaks::stepOver(QTextCursor &cursor, bool backward)
{
    if (cursor.hasSelection())
        return false;
    bool moved = false;
    while (backward && cursor.atBlockStart() && continuesLine(cursor.block())) {
        cursor.setPosition(cursor.position() - 1);
        moved = true;
    }
    while (!backward && cursor.atBlockEnd() && continuesLine(cursor.block().next())) {
        cursor.setPosition(cursor.position() + 1);
        moved = true;
    }
    return moved;
}

void SoftBreaks::reset(std::vector<int> continuationBlocks, int blockCount)
{
    m_blocks = std::move(continuationBlocks);
    m_blockCount = blockCount;
}

void SoftBreaks::rebuild(const QTextDocument *document)
{
    m_blocks.clear();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (continuesLine(block))
            m_blocks.push_back(block.blockNumber());
    }
    m_blockCount = document->blockCount();
}

void SoftBreaks::contentsChanged(const QTextDocument *document, int position, int added)
{
    const int blockCount = document->blockCount();
    const int delta = blockCount - m_blockCount;
    m_blockCount = blockCount;
    if (m_blocks.empty() && !mayHoldMarks(document))
        return;
    const int last = qMax(0, document->characterCount() - 1);
    const int first = document->findBlock(qBound(0, position, last)).blockNumber();
    const int lastNew = document->findBlock(qBound(0, position + added, last)).blockNumber();
    // Blocks in front of the change keep their numbers; those behind it move
    // by the number of blocks the change made or took away.
    const int lastOld = qMax(first - 1, lastNew - delta);
    const auto from = std::lower_bound(m_blocks.begin(), m_blocks.end(), first);
    const auto to = std::upper_bound(from, m_blocks.end(), lastOld);
    for (auto it = to; it != m_blocks.end(); ++it)
        *it += delta;
    std::vector<int> found;
    for (QTextBlock block = document->findBlockByNumber(first); block.isValid() && block.blockNumber() <= lastNew;
         block = block.next()) {
        if (continuesLine(block))
            found.push_back(block.blockNumber());
    }
    const auto at = m_blocks.erase(from, to);
    m_blocks.insert(at, found.begin(), found.end());
}

int SoftBreaks::before(int blockNumber) const
{
    return int(std::upper_bound(m_blocks.begin(), m_blocks.end(), blockNumber) - m_blocks.begin());
}

int SoftBreaks::firstBlockOfLine(int line) const
{
    // The i-th continuation block (from 0) belongs to line m_blocks[i] - i - 1,
    // which never decreases; those of earlier lines all lie before the block.
    int lo = 0;
    int hi = int(m_blocks.size());
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (m_blocks[size_t(mid)] - mid - 1 < line)
            lo = mid + 1;
        else
            hi = mid;
    }
    return line + lo;
}

std::vector<int> SoftBreaks::separatorsBetween(const QTextDocument *document, int from, int to) const
{
    std::vector<int> found;
    if (m_blocks.empty() || from >= to)
        return found;
    const int last = document->characterCount() - 1;
    // The separator in front of block b lies in [from, to) when b is past the
    // block holding `from` and no further than the block holding `to`.
    const int firstBlock = document->findBlock(qBound(0, from, last)).blockNumber() + 1;
    const int lastBlock = document->findBlock(qBound(0, to, last)).blockNumber();
    const auto begin = std::lower_bound(m_blocks.begin(), m_blocks.end(), firstBlock);
    const auto end = std::upper_bound(begin, m_blocks.end(), lastBlock);
    found.reserve(size_t(end - begin));
    for (auto it = begin; it != end; ++it)
        found.push_back(document->findBlockByNumber(*it).position() - 1);
    return found;
}

int SoftBreaks::positionOfOffset(const QTextDocument *document, qsizetype offset) const
{
    if (offset <= 0)
        return 0;
    // The last block whose first offset is <= offset; at a soft break that is
    // the block after it, where a wrapped line shows the caret.
    int lo = 0;
    int hi = document->blockCount() - 1;
    while (lo < hi) {
        const int mid = lo + (hi - lo + 1) / 2;
        if (offsetOfBlock(mid, document->findBlockByNumber(mid).position()) <= offset)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock block = document->findBlockByNumber(lo);
    const qsizetype within = offset - offsetOfBlock(lo, block.position());
    return block.position() + int(qMin<qsizetype>(within, block.length() - 1));
}

QList<int> SoftBreaks::positionsOfOffsets(const QTextDocument *document, const QList<qsizetype> &offsets)
{
    QList<int> positions;
    positions.reserve(offsets.size());
    QTextBlock block = document->begin();
    qsizetype blockOffset = 0; // offset of the block's first character
    for (const qsizetype offset : offsets) {
        for (QTextBlock next = block.next(); next.isValid(); next = block.next()) {
            // Its text, then CR and LF, or nothing at a soft break.
            const qsizetype nextOffset = blockOffset + block.length() - 1 + (continuesLine(next) ? 0 : 2);
            if (nextOffset > offset)
                break;
            block = next;
            blockOffset = nextOffset;
        }
        positions.append(block.position() + int(qMin<qsizetype>(offset - blockOffset, block.length() - 1)));
    }
    return positions;
}

QString SoftBreaks::withoutSeparators(const QString &raw, const std::vector<int> &separators)
{
    if (separators.empty())
        return raw;
    QString out;
    out.reserve(raw.size() - qsizetype(separators.size()));
    qsizetype start = 0;
    for (const int at : separators) {
        out.append(QStringView(raw).mid(start, at - start));
        start = qsizetype(at) + 1;
    }
    out.append(QStringView(raw).mid(start));
    return out;
}

namespace {

// Positions without the separators to positions with them, for ascending
// positions: separator i sits in front of the character at separator - i.
template <typename Stretches>
Stretches moved(const Stretches &stretches, const std::vector<int> &separators)
{
    size_t passed = 0;
    auto withThem = [&](qsizetype at) {
        while (passed < separators.size() && qsizetype(separators[passed]) - qsizetype(passed) <= at)
            ++passed;
        return at + qsizetype(passed);
    };
    Stretches out;
    out.reserve(stretches.size());
    for (auto stretch : stretches) {
        const qsizetype start = withThem(stretch.start);
        const qsizetype end = withThem(stretch.start + stretch.length);
        stretch.start = start;
        stretch.length = end - start;
        out.append(stretch);
    }
    return out;
}

} // namespace

ColourRuns SoftBreaks::withSeparators(const ColourRuns &runs, const std::vector<int> &separators)
{
    return separators.empty() ? runs : moved(runs, separators);
}

TextRanges SoftBreaks::withSeparators(const TextRanges &ranges, const std::vector<int> &separators)
{
    return separators.empty() ? ranges : moved(ranges, separators);
}
