#pragma once

#include "checks/restorepoint.h"

#include <QAbstractUndoItem>

class RichTextBox1;

// A restore as one step of the document's own undo history: undoing it puts
// back what the restore replaced, and redoing it the restored page. It holds
// whichever of the two is not shown, so a page is never kept twice.
class ContentSwap : public QAbstractUndoItem
{
public:
    ContentSwap(RichTextBox1 *box, RestorePoint::Snapshot other);

    void undo() override { swap(); }
    void redo() override { swap(); }

private:
    void swap();

    RichTextBox1 *m_box;
    RestorePoint::Snapshot m_other;
};
