#include "document/pagecolouring.h"

#include "document/softbreaks.h"
#include "editing/colorscanner.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include <malloc.h>

namespace {

// A large page's arrays grow by doubling. Below the allocator's sliding
// threshold each step is copied within the heap, where the steps left behind
// stay resident; above a fixed one each array is mapped on its own, grows in
// place and goes back to the system when freed.
void keepLargeBlocksMapped()
{
    static const bool once = [] {
        mallopt(M_MMAP_THRESHOLD, 64 * 1024);
        return true;
    }();
    Q_UNUSED(once);
}

}

PageColouring::PageColouring(QPlainTextEdit *view)
    : QObject(view)
    , m_view(view)
{
    keepLargeBlocksMapped();
    m_idle.setSingleShot(true);
    m_idle.setInterval(0);
    connect(&m_idle, &QTimer::timeout, this, &PageColouring::colourIdleChunk);
}

void PageColouring::apply(const ColourRuns &runs, const std::vector<int> &separators)
{
    clear();
    if (runs.size() <= 2 * DeferredColouring::ChunkRuns) {
        m_writing = true;
        DeferredColouring::applyAll(m_view->document(),
                                    separators.empty() ? runs : SoftBreaks::withSeparators(runs, separators));
        m_writing = false;
        return;
    }
    // Moved past the soft breaks as they are packed: no second copy of a
    // large page's runs.
    m_runs.setRuns(runs, separators);
    start(false);
}

void PageColouring::applyScanned(QStringView text, std::vector<int> separators)
{
    clear();
    qsizetype found = 0;
    m_runs.beginRuns(std::move(separators));
    ColorScanner::scan(text, [this, &found](const ColourRun &run) {
        m_runs.addRun(run);
        ++found;
    });
    m_runs.endRuns();
    start(found <= 2 * DeferredColouring::ChunkRuns);
}

void PageColouring::start(bool small)
{
    m_writing = true;
    if (small)
        m_runs.applyRest(m_view->document());
    else
        colourView();
    m_writing = false;
    if (m_runs.pending())
        m_idle.start();
}

void PageColouring::clear()
{
    m_idle.stop();
    m_runs.clear();
}

void PageColouring::finish()
{
    if (!m_runs.pending())
        return;
    m_idle.stop();
    m_writing = true;
    m_runs.applyRest(m_view->document());
    m_writing = false;
}

void PageColouring::colourView()
{
    if (!m_runs.pending())
        return;
    const int first = m_view->cursorForPosition(QPoint(0, 0)).block().position();
    const int last = m_view->cursorForPosition(m_view->viewport()->rect().bottomRight()).position();
    const bool nested = m_writing;
    m_writing = true;
    m_runs.applyRange(m_view->document(), first, qsizetype(last) + 4096);
    m_writing = nested;
}

void PageColouring::textChanged(int position, int removed, int added)
{
    if (!m_runs.pending())
        return;
    m_runs.textChanged(position, removed, added);
    m_idle.start();
}

void PageColouring::colourIdleChunk()
{
    m_writing = true;
    m_runs.applyNextChunk(m_view->document());
    m_writing = false;
    if (m_runs.pending())
        m_idle.start();
}
