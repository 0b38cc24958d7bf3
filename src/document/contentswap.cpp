#include "document/contentswap.h"

#include "document/richtextbox1.h"

ContentSwap::ContentSwap(RichTextBox1 *box, RestorePoint::Snapshot other)
    : m_box(box)
    , m_other(std::move(other))
{
}

void ContentSwap::swap()
{
    RestorePoint::Snapshot shown = m_box->formattedContent();
    m_box->replaceContent(std::move(m_other));
    m_other = std::move(shown);
}
