#include "document/slicedtextcopy.h"

#include "document/richtextbox1.h"

#include <QTextDocument>

SlicedTextCopy::SlicedTextCopy(const RichTextBox1 *box)
    : m_box(box)
    , m_end(box->document()->characterCount() - 1)
{
}

bool SlicedTextCopy::step()
{
    if (m_position >= m_end)
        return true;
    int to = m_end - m_position > SliceLength ? m_position + SliceLength : m_end;
    // Both halves of a character outside the basic plane go in one slice.
    if (to < m_end && m_box->document()->characterAt(to - 1).isHighSurrogate())
        --to;
    m_slices.push_back(m_box->fileTextLater(m_position, to));
    m_position = to;
    return m_position >= m_end;
}

QString SlicedTextCopy::text() const
{
    if (m_slices.size() == 1)
        return m_slices.front().text(u"\n");
    QString out;
    for (const StandInCharacters::RawText &slice : m_slices)
        out += slice.text(u"\n");
    return out;
}
