#pragma once

#include "document/softbreaks.h"

#include <QTextCursor>

#include <memory>

class LinkMarks;
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

    Step step() const { return m_step; }
    QTextDocument *document() const { return m_document.get(); }
    // Hands the document on; the swap then holds nothing.
    QTextDocument *release() { return m_document.release(); }
    SoftBreaks &softBreaks() { return m_softBreaks; }
    LinkMarks *linkMarks() const { return m_linkMarks; }
    const QTextCursor &caret() const { return m_caret; }

private:
    std::unique_ptr<QTextDocument> m_document;
    SoftBreaks m_softBreaks;
    LinkMarks *m_linkMarks; // a child of the document, or nullptr
    QTextCursor m_caret;
    Step m_step;
};
