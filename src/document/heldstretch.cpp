#include "document/heldstretch.h"

#include "document/richtextbox1.h"

HeldStretch::HeldStretch(RichTextBox1 *box, TextRange range)
    : m_box(box)
    , m_start(box->document())
    , m_end(box->document())
    , m_text(box->textBetween(range.start, range.end()))
{
    m_start.setPosition(box->positionFromOffset(range.start));
    m_end.setPosition(box->positionFromOffset(range.end()));
    // Text written right at either end stays outside the stretch: at its
    // start the cursor moves on past it, at its end the cursor stays put.
    m_end.setKeepPositionOnInsert(true);
}

std::optional<TextRange> HeldStretch::range() const
{
    if (!m_box || m_start.isNull() || m_end.isNull())
        return std::nullopt;
    const qsizetype start = m_box->offsetFromPosition(m_start.position());
    const qsizetype end = m_box->offsetFromPosition(m_end.position());
    if (end < start || m_box->textBetween(start, end) != m_text)
        return std::nullopt;
    return TextRange{start, end - start};
}
