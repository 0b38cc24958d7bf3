#pragma once

#include "document/softbreaks.h"

#include <QTextCursor>

#include <memory>

class LinkMarks;
class QPlainTextEdit;
class QTextDocument;

// The other page of a restore, set aside whole: its document with its own
// undo history, colours and soft breaks, its link marks and its caret. While
// the restored page is shown it is the page the restore replaced, which an
// undo brings back; after that undo it is the restored page, which a redo
// brings back. Only the page shown is ever edited, so going back and forth
// copies nothing and each page is held once, however often the user does it.
class ContentSwap
{
public:
    enum class Step { Undo, Redo }; // the step that shows this page again

    ContentSwap(QTextDocument *document, SoftBreaks softBreaks, LinkMarks *linkMarks, const QTextCursor &caret,
                Step step);
    ~ContentSwap();
    ContentSwap(const ContentSwap &) = delete;
    ContentSwap &operator=(const ContentSwap &) = delete;

    // Sets aside the page that `view` shows, with the soft breaks and link
    // marks that go with it; the view's owner then holds none of them.
    static std::unique_ptr<ContentSwap> setAside(QPlainTextEdit *view, SoftBreaks &softBreaks,
                                                 LinkMarks *&linkMarks, Step step);
    // Shows this page in `view` again, its soft breaks and marks handed
    // back, and sets aside the page shown there, for the opposite step.
    std::unique_ptr<ContentSwap> showIn(QPlainTextEdit *view, SoftBreaks &softBreaks, LinkMarks *&linkMarks);
    // Shows `shown` in `view`. The view lays out every block of a document
    // it is given, and a page set aside would keep those layouts for
    // nothing: it gets a fresh layout (which drops them) while a blank stands
    // in the view, so that two pages are never laid out at once.
    static void show(QPlainTextEdit *view, QTextDocument *shown);

    Step step() const { return m_step; }

private:
    std::unique_ptr<QTextDocument> m_document;
    SoftBreaks m_softBreaks;
    LinkMarks *m_linkMarks; // a child of the document, or nullptr
    QTextCursor m_caret;
    Step m_step;
};
