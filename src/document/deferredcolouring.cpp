#include "document/deferredcolouring.h"

#include "shared/syntaxpalette.h"

#include <QTextCharFormat>
#include <QTextDocument>

#include <algorithm>

// The document's own formatting call, without the cursor's bookkeeping per
// run: most of the time of colouring a large page goes there otherwise.
#include <QtGui/private/qtextdocument_p.h>

namespace {
void writeRuns(QTextDocument *document, ColourRuns::const_iterator first, ColourRuns::const_iterator last,
               bool recorded = false)
{
    // Colouring is a display matter, not an edit the user could undo. Undo is
    // only ever switched off here while the undo stack is empty or holds the
    // one edit that forced the colouring to finish.
    const bool undoEnabled = document->isUndoRedoEnabled();
    if (!recorded)
        document->setUndoRedoEnabled(false);
    QTextCharFormat formats[6];
    for (int i = 1; i < 6; ++i)
        formats[i].setForeground(SyntaxPalette::toQColor(SyntaxColor(i)));
    const qsizetype end = document->characterCount() - 1;
    QTextDocumentPrivate *priv = QTextDocumentPrivate::get(document);
    priv->beginEditBlock();
    for (auto run = first; run != last; ++run) {
        if (run->colour == SyntaxColor::Default || run->length <= 0 || run->start >= end)
            continue;
        const qsizetype length = qMin(run->length, end - run->start);
        priv->setCharFormat(int(run->start), int(length), formats[int(run->colour)], QTextDocumentPrivate::SetFormat);
    }
    priv->endEditBlock();
    if (!recorded)
        document->setUndoRedoEnabled(undoEnabled);
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

void DeferredColouring::textChanged(qsizetype position, qsizetype removed, qsizetype added)
{
    if (!pending())
        return;
    const qsizetype delta = added - removed;
    for (ColourRun &run : m_runs) {
        const qsizetype end = run.start + run.length;
        if (end <= position)
            continue;
        if (run.start >= position + removed) {
            run.start += delta;
            continue;
        }
        // The run overlaps the removed text: keep what is left of it, before
        // the change; the inserted text keeps the colour it was typed in.
        const qsizetype keptBefore = qMax<qsizetype>(0, position - run.start);
        const qsizetype keptAfter = qMax<qsizetype>(0, end - (position + removed));
        if (keptBefore > 0) {
            run.length = keptBefore;
        } else {
            run.start = position + added;
            run.length = keptAfter;
        }
    }
}
