#pragma once

#include "document/deferredcolouring.h"
#include "shared/syntaxcolor.h"

#include <QObject>
#include <QStringView>
#include <QTimer>

#include <vector>

class QPlainTextEdit;

// The colours of a whole page, written into the document that a view shows.
// A large page gets the part in view at once and the rest while the program
// is idle; the owner writes whatever still waits before any edit. Writing
// colours is no edit of the text: writing() tells the owner's change hooks.
class PageColouring : public QObject
{
    Q_OBJECT

public:
    explicit PageColouring(QPlainTextEdit *view);

    // Runs in positions of the text without the soft breaks at `separators`
    // (ascending positions with them).
    void apply(const ColourRuns &runs, const std::vector<int> &separators);
    // The colour scanner's runs of `text` (the document's text without the
    // soft breaks at `separators`), packed as they are found: a large page's
    // runs are never held all at once.
    void applyScanned(QStringView text, std::vector<int> separators);
    void clear();
    bool pending() const { return m_runs.pending(); }
    bool writing() const { return m_writing; }
    // Writes whatever colour is still waiting.
    void finish();
    // Writes the waiting runs around the part in view; before it is painted.
    void colourView();
    // The text changed while runs were waiting, in an edit that no hook saw
    // coming: keeps them in step, to be written later, never from inside the
    // document's own change notice.
    void textChanged(int position, int removed, int added);

private:
    // After the runs are packed: the whole of a small page at once, the part
    // in view of a large one.
    void start(bool small);
    void colourIdleChunk();

    QPlainTextEdit *m_view;
    DeferredColouring m_runs;
    QTimer m_idle;
    bool m_writing = false;
};
