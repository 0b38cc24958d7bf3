#include "document/contentswap.h"

#include "document/indentinglayout.h"
#include "document/linkmarks.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextDocument>

ContentSwap::ContentSwap(QTextDocument *document, SoftBreaks softBreaks, LinkMarks *linkMarks,
                         const QTextCursor &caret, Step step)
    : m_document(document)
    , m_softBreaks(std::move(softBreaks))
    , m_linkMarks(linkMarks)
    , m_caret(caret)
    , m_step(step)
{
}

ContentSwap::~ContentSwap() = default;

std::unique_ptr<ContentSwap> ContentSwap::setAside(QPlainTextEdit *view, SoftBreaks &softBreaks,
                                                   LinkMarks *&linkMarks, Step step)
{
    auto aside = std::make_unique<ContentSwap>(view->document(), std::move(softBreaks), linkMarks,
                                               view->textCursor(), step);
    softBreaks = SoftBreaks();
    linkMarks = nullptr;
    return aside;
}

std::unique_ptr<ContentSwap> ContentSwap::showIn(QPlainTextEdit *view, SoftBreaks &softBreaks,
                                                 LinkMarks *&linkMarks)
{
    auto aside = setAside(view, softBreaks, linkMarks, m_step == Step::Undo ? Step::Redo : Step::Undo);
    softBreaks = std::move(m_softBreaks);
    linkMarks = m_linkMarks;
    show(view, m_document.release());
    // The marks lay over the page's lines, which it let go of when set aside.
    if (linkMarks)
        linkMarks->showAgain();
    view->setTextCursor(m_caret);
    return aside;
}

void ContentSwap::show(QPlainTextEdit *view, QTextDocument *shown)
{
    QTextDocument *leaving = view->document();
    QTextDocument blank;
    blank.setDocumentLayout(new QPlainTextDocumentLayout(&blank));
    view->setDocument(&blank);
    {
        const QSignalBlocker quiet(leaving);
        leaving->setDocumentLayout(new IndentingLayout(leaving));
    }
    view->setDocument(shown);
}
