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

void DeferredColouring::applyAllRecorded(QTextDocument *document, const ColourRuns &runs)
{
    writeRuns(document, runs.cbegin(), runs.cend(), true);
}

void DeferredColouring::setRuns(ColourRuns runs)
{
    m_runs = std::move(runs);
    const qsizetype chunks = (m_runs.size() + ChunkRuns - 1) / ChunkRuns;
    m_done.assign(size_t(chunks), false);
    m_chunksLeft = chunks;
    m_next = 0;
}

void DeferredColouring::clear()
{
    m_runs.clear();
    m_tails.clear();
    m_done.clear();
    m_chunksLeft = 0;
    m_next = 0;
}

void DeferredColouring::applyChunk(QTextDocument *document, qsizetype chunk)
{
    if (chunk < 0 || chunk >= qsizetype(m_done.size()) || m_done[size_t(chunk)])
        return;
    const qsizetype first = chunk * ChunkRuns;
    const qsizetype last = qMin(first + ChunkRuns, m_runs.size());
    writeRuns(document, m_runs.cbegin() + first, m_runs.cbegin() + last);
    ColourRuns tails;
    for (const Tail &tail : m_tails)
        if (tail.chunk == chunk)
            tails.push_back(tail.run);
    writeRuns(document, tails.cbegin(), tails.cend());
    m_done[size_t(chunk)] = true;
    if (--m_chunksLeft == 0)
        clear();
}

void DeferredColouring::applyRange(QTextDocument *document, qsizetype from, qsizetype to)
{
    if (!pending())
        return;
    // Runs are in order and cover the text: find the first one ending after `from`.
    const auto firstRun = std::upper_bound(m_runs.cbegin(), m_runs.cend(), from,
                                           [](qsizetype pos, const ColourRun &run) { return pos < run.start + run.length; });
    const qsizetype firstChunk = (firstRun - m_runs.cbegin()) / ChunkRuns;
    for (qsizetype chunk = firstChunk; pending() && chunk < qsizetype(m_done.size()); ++chunk) {
        if (m_runs.at(chunk * ChunkRuns).start >= to)
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
    while (applyNextChunk(document)) {
    }
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
    for (qsizetype i = 0; i < m_runs.size(); ++i) {
        const ColourRun split = shiftRun(m_runs[i], position, removed, added);
        const qsizetype chunk = i / ChunkRuns;
        if (split.length > 0 && !m_done[size_t(chunk)])
            m_tails.push_back({chunk, split});
    }
}
