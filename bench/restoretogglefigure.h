#pragma once

class QString;

// Undo and redo of a restore on the 10 MB page, over and over: how much the
// program's peak memory grows. Run in a process of its own, so that the peak
// is this page's and not that of the figures before it.
namespace RestoreToggleFigure {
void run(const QString &page);
}
