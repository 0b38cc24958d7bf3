#include "document/deferredcolouring.h"

#include "document/standincharacters.h"
#include "shared/syntaxpalette.h"

#include <QTextCharFormat>
#include <QTextDocument>

#include <algorithm>

// The document's own formatting call, without the cursor's bookkeeping per
// run: most of the time of colouring a large page goes there otherwise.
#include <QtGui/private/qtextdocument_p.h>

namespace {

// Lets go of a vector's memory too: assigning {} would only empty it.
template <class T>
void release(std::vector<T> &vector)
{
    std::vector<T>().swap(vector);
}

// The document's flag that records edits for undo. Colours are written with
// the recording paused rather than with undo switched off: switching it off
// throws away the user's whole undo and redo history. Reached through an
// explicit instantiation, the one place the language lets a private member's
// address be named.
bool QTextDocumentPrivate::*undoRecordingFlag();

template <bool QTextDocumentPrivate::*Member>
struct UndoRecordingFlag {
    friend bool QTextDocumentPrivate::*undoRecordingFlag() { return Member; }
};
template struct UndoRecordingFlag<&QTextDocumentPrivate::undoEnabled>;

void writeRuns(QTextDocument *document, ColourRuns::const_iterator first, ColourRuns::const_iterator last,
               bool recorded = false)
{
    QTextCharFormat formats[6];
    for (int i = 1; i < 6; ++i)
        formats[i].setForeground(SyntaxPalette::toQColor(SyntaxColor(i)));
    const qsizetype end = document->characterCount() - 1;
    QTextDocumentPrivate *priv = QTextDocumentPrivate::get(document);
    priv->beginEditBlock();
    // Colouring is a display matter, not an edit the user could undo. The
    // recording is back on before the block ends, so that the document never
    // tidies away text its undo history still points at.
    // A restore, though, writes its colours as part of its own edit, so that
    // undoing it takes them back too.
    bool &recording = priv->*undoRecordingFlag();
    const bool wasRecording = recording;
    if (!recorded)
        recording = false;
    // A stand-in's mark lives in its format: merged colours keep it.
    const auto mode = StandInCharacters::mayHoldMarks(document) ? QTextDocumentPrivate::MergeFormat
                                                                : QTextDocumentPrivate::SetFormat;
    for (auto run = first; run != last; ++run) {
        if (run->colour == SyntaxColor::Default || run->length <= 0 || run->start >= end)
            continue;
        const qsizetype length = qMin(run->length, end - run->start);
        priv->setCharFormat(int(run->start), int(length), formats[int(run->colour)], mode);
    }
    recording = wasRecording;
    priv->endEditBlock();
}

}

void DeferredColouring::applyAll(QTextDocument *document, const ColourRuns &runs)
{
    writeRuns(document, runs.cbegin(), runs.cend());
}

void DeferredColouring::withoutRecording(QTextDocument *document, const std::function<void()> &work)
{
    QTextDocumentPrivate *priv = QTextDocumentPrivate::get(document);
    priv->beginEditBlock();
    bool &recording = priv->*undoRecordingFlag();
    const bool wasRecording = recording;
    recording = false;
    work();
    // Back on before the block ends, so the document keeps the text its
    // history points at.
    recording = wasRecording;
    priv->endEditBlock();
}

void DeferredColouring::applyAllRecorded(QTextDocument *document, const ColourRuns &runs)
{
    writeRuns(document, runs.cbegin(), runs.cend(), true);
}

DeferredColouring::PackedRun DeferredColouring::packed(qsizetype start, qsizetype length, SyntaxColor colour)
{
    return {qint32(start), quint32(length) | (quint32(colour) << ColourShift)};
}

ColourRun DeferredColouring::unpacked(PackedRun run)
{
    return {run.start, qsizetype(run.lengthAndColour & MaxLength), SyntaxColor(run.lengthAndColour >> ColourShift)};
}

void DeferredColouring::setRuns(const ColourRuns &runs, const std::vector<int> &separators)
{
    beginRuns(separators);
    for (const ColourRun &run : runs)
        addRun(run);
    endRuns();
}

void DeferredColouring::beginRuns(std::vector<int> separators)
{
    clear();
    m_separators = std::move(separators);
}

void DeferredColouring::addRun(const ColourRun &run)
{
    // Separator i sits in front of the character at separator - i; a run
    // reaches over every separator before its end.
    auto withThem = [this](qsizetype at) {
        while (m_passed < m_separators.size() && qsizetype(m_separators[m_passed]) - qsizetype(m_passed) <= at)
            ++m_passed;
        return at + qsizetype(m_passed);
    };
    const qsizetype runStart = withThem(run.start);
    const qsizetype runLength = withThem(run.start + run.length) - runStart;
    // The uncoloured text keeps the document's own colour: nothing to write.
    if (run.colour == SyntaxColor::Default || runLength <= 0)
        return;
    for (qsizetype start = runStart, left = runLength; left > 0;) {
        const qsizetype length = qMin<qsizetype>(left, MaxLength);
        if (m_filling.empty())
            m_filling.reserve(size_t(ChunkRuns));
        m_filling.push_back(packed(start, length, run.colour));
        if (qsizetype(m_filling.size()) == ChunkRuns) {
            m_chunkStarts.push_back(m_filling.front().start);
            m_chunks.push_back(std::move(m_filling));
            release(m_filling);
        }
        start += length;
        left -= length;
    }
}

void DeferredColouring::endRuns()
{
    if (!m_filling.empty()) {
        m_chunkStarts.push_back(m_filling.front().start);
        m_chunks.push_back(std::move(m_filling));
        release(m_filling);
    }
    release(m_separators);
    m_passed = 0;
    m_done.assign(m_chunks.size(), false);
    m_chunksLeft = qsizetype(m_chunks.size());
}

void DeferredColouring::clear()
{
    release(m_chunks);
    release(m_chunkStarts);
    release(m_tails);
    release(m_done);
    m_chunksLeft = 0;
    m_next = 0;
    release(m_separators);
    m_passed = 0;
    release(m_filling);
}

void DeferredColouring::applyChunk(QTextDocument *document, qsizetype chunk)
{
    if (chunk < 0 || chunk >= qsizetype(m_done.size()) || m_done[size_t(chunk)])
        return;
    ColourRuns runs;
    runs.reserve(qsizetype(m_chunks[size_t(chunk)].size()));
    for (const PackedRun run : m_chunks[size_t(chunk)])
        runs.push_back(unpacked(run));
    for (const Tail &tail : m_tails)
        if (tail.chunk == chunk)
            runs.push_back(tail.run);
    writeRuns(document, runs.cbegin(), runs.cend());
    release(m_chunks[size_t(chunk)]);
    m_done[size_t(chunk)] = true;
    if (--m_chunksLeft == 0)
        clear();
}

void DeferredColouring::applyRange(QTextDocument *document, qsizetype from, qsizetype to)
{
    if (!pending())
        return;
    // The chunks are in order: start with the last one that begins at or before `from`.
    const auto after = std::upper_bound(m_chunkStarts.cbegin(), m_chunkStarts.cend(), from);
    const qsizetype firstChunk = qMax<qsizetype>(0, (after - m_chunkStarts.cbegin()) - 1);
    for (qsizetype chunk = firstChunk; pending() && chunk < qsizetype(m_done.size()); ++chunk) {
        if (m_chunkStarts[size_t(chunk)] >= to)
            break;
        applyChunk(document, chunk);
    }
}

bool DeferredColouring::applyNextChunk(QTextDocument *document)
{
    while (pending() && m_next < qsizetype(m_done.size()) && m_done[size_t(m_next)])
        ++m_next;
    if (!pending())
        return false;
    applyChunk(document, m_next);
    return pending();
}

void DeferredColouring::applyRest(QTextDocument *document)
{
    if (applyRestInOneWalk(document))
        return;
    while (applyNextChunk(document)) {
    }
}

bool DeferredColouring::applyRestInOneWalk(QTextDocument *document)
{
    // Written run by run, each colour splits the document's pieces twice and
    // finds its place from the top, most of a second for a large page. A walk
    // over the pieces in order builds them afresh, already split, at a
    // fraction of that. Only plain colours over runs still in order qualify:
    // marks merge with the colour, and an edit's tails come out of order.
    // For a few chunks the whole walk would cost more than it saves.
    constexpr qsizetype WorthAWalk = 4;
    if (m_chunksLeft < WorthAWalk || !m_tails.empty() || StandInCharacters::mayHoldMarks(document))
        return false;
    QTextDocumentPrivate *priv = QTextDocumentPrivate::get(document);
    if (priv->isInEditBlock())
        return false;
    int formatOf[6] = {};
    for (int i = 1; i < 6; ++i) {
        QTextCharFormat format;
        format.setForeground(SyntaxPalette::toQColor(SyntaxColor(i)));
        formatOf[i] = priv->formatCollection()->indexForFormat(format);
    }
    struct Piece {
        int stringPosition;
        int size;
        int format;
    };
    std::vector<Piece> pieces;
    pieces.reserve(size_t(priv->fragmentMap().numNodes()));
    for (auto it = priv->begin(); it != priv->end(); ++it)
        pieces.push_back({it->stringPosition, it.size(), it->format});
    const QString text = priv->buffer();
    // A block's separator always stays a piece of its own.
    auto separatorAt = [&text](int at) {
        const QChar c = text.at(at);
        return c == QChar::ParagraphSeparator || c == QChar(0xFDD0) || c == QChar(0xFDD1);
    };

    // The waiting runs in order, each chunk let go of once passed.
    const qsizetype end = document->characterCount() - 1;
    size_t chunk = 0;
    size_t index = 0;
    ColourRun run;
    auto nextRun = [&]() -> bool {
        for (; chunk < m_chunks.size(); ++chunk, index = 0) {
            if (m_done[chunk] || index >= m_chunks[chunk].size()) {
                release(m_chunks[chunk]);
                continue;
            }
            run = unpacked(m_chunks[chunk][index++]);
            run.length = qMin(run.start + run.length, end) - run.start;
            return true;
        }
        return false;
    };
    bool haveRun = nextRun();
    const qsizetype changedFrom = haveRun ? run.start : 0;
    qsizetype changedTo = changedFrom;

    QTextDocumentPrivate::FragmentMap &map = priv->fragmentMap();
    map.clear();
    int written = 0;
    Piece held{0, 0, -1};
    auto flush = [&] {
        if (held.size == 0)
            return;
        QTextFragmentData *fragment = map.fragment(map.insert_single(written, uint(held.size)));
        fragment->stringPosition = held.stringPosition;
        fragment->format = held.format;
        written += held.size;
    };
    auto add = [&](int stringPosition, int size, int format) {
        if (held.size > 0 && held.format == format && held.stringPosition + held.size == stringPosition
            && !separatorAt(held.stringPosition) && !separatorAt(stringPosition)) {
            held.size += size;
            return;
        }
        flush();
        held = {stringPosition, size, format};
    };
    int position = 0;
    for (const Piece &piece : pieces) {
        for (int offset = 0; offset < piece.size;) {
            const qsizetype at = position + offset;
            while (haveRun && run.start + run.length <= at)
                haveRun = nextRun();
            const bool inRun = haveRun && run.start <= at && run.colour != SyntaxColor::Default;
            qsizetype length = piece.size - offset;
            if (inRun)
                length = qMin(length, run.start + run.length - at);
            else if (haveRun && run.start > at)
                length = qMin(length, run.start - at);
            add(piece.stringPosition + offset, int(length), inRun ? formatOf[int(run.colour)] : piece.format);
            if (inRun)
                changedTo = at + length;
            offset += int(length);
        }
        position += piece.size;
    }
    flush();
    clear();

    // The layout and everyone listening hear of it as of any change of format.
    priv->beginEditBlock();
    priv->documentChange(int(changedFrom), int(changedTo - changedFrom));
    priv->endEditBlock();
    return true;
}

ColourRun DeferredColouring::shiftRun(ColourRun &run, qsizetype position, qsizetype removed, qsizetype added)
{
    const qsizetype end = run.start + run.length;
    if (end <= position || run.length <= 0)
        return {0, 0, run.colour};
    if (run.start >= position + removed) {
        run.start += added - removed;
        return {0, 0, run.colour};
    }
    // The edit falls on the run: what is left before the edit stays, what is
    // left after it moves behind the inserted text, which keeps the colour it
    // came with.
    const qsizetype keptBefore = qMax<qsizetype>(0, position - run.start);
    const qsizetype keptAfter = qMax<qsizetype>(0, end - (position + removed));
    const ColourRun after{position + added, keptAfter, run.colour};
    if (keptBefore == 0) {
        run = after;
        return {0, 0, run.colour};
    }
    run.length = keptBefore;
    return after;
}

void DeferredColouring::textChanged(qsizetype position, qsizetype removed, qsizetype added)
{
    if (!pending())
        return;
    const size_t tails = m_tails.size();
    for (size_t i = 0; i < tails; ++i) {
        const ColourRun split = shiftRun(m_tails[i].run, position, removed, added);
        if (split.length > 0)
            m_tails.push_back({m_tails[i].chunk, split});
    }
    // The runs are in order: only one can hold the edit strictly inside it.
    for (size_t chunk = 0; chunk < m_chunks.size(); ++chunk) {
        qsizetype &chunkStart = m_chunkStarts[chunk];
        if (chunkStart >= position + removed)
            chunkStart += added - removed;
        else if (chunkStart >= position)
            chunkStart = position + added;
        for (PackedRun &packedRun : m_chunks[chunk]) {
            ColourRun run = unpacked(packedRun);
            const ColourRun split = shiftRun(run, position, removed, added);
            packedRun = packed(run.start, run.length, run.colour);
            if (split.length > 0)
                m_tails.push_back({qsizetype(chunk), split});
        }
    }
}
