#include "document/contentswap.h"

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
