#include "document/linkmarks.h"

#include "checks/restorepoint.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

LinkMarks::LinkMarks(QTextDocument *document)
    : QObject(document)
    , m_document(document)
{
    connect(document, &QTextDocument::contentsChange, this, &LinkMarks::onContentsChange);
}

QTextCharFormat LinkMarks::format()
{
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    format.setFontUnderline(true);
    format.setForeground(QColor(180, 0, 0));
    return format;
}

TextRanges LinkMarks::ranges() const
{
    TextRanges out;
    out.reserve(m_marks.size());
    for (const QTextCursor &mark : m_marks)
        if (mark.hasSelection())
            out.append({mark.selectionStart(), mark.selectionEnd() - mark.selectionStart()});
    return out;
}

void LinkMarks::add(const TextRanges &positions)
{
    if (positions.isEmpty())
        return;
    TextRanges all = ranges();
    all += positions;
    all = RestorePoint::tidied(std::move(all), m_document->characterCount() - 1);
    m_marks.clear();
    m_marks.reserve(all.size());
    for (const TextRange &range : all) {
        QTextCursor mark(m_document);
        mark.setPosition(int(range.start));
        mark.setPosition(int(range.end()), QTextCursor::KeepAnchor);
        m_marks.append(mark);
    }
    for (const TextRange &range : positions)
        showIn(int(range.start), int(range.end()));
}

void LinkMarks::clear()
{
    const TextRanges shown = ranges();
    m_marks.clear();
    for (const TextRange &range : shown)
        showIn(int(range.start), int(range.end()));
}

void LinkMarks::showAgain()
{
    for (const QTextCursor &mark : m_marks)
        showIn(mark.selectionStart(), mark.selectionEnd());
}

void LinkMarks::onContentsChange(int position, int, int added)
{
    // The edited lines are laid out afresh: their marks go on again, where
    // the text has carried them.
    if (!m_marks.isEmpty())
        showIn(position, position + added);
}

void LinkMarks::showIn(int from, int to)
{
    for (QTextBlock block = m_document->findBlock(from); block.isValid() && block.position() <= to;
         block = block.next())
        showInBlock(block);
}

void LinkMarks::showInBlock(const QTextBlock &block)
{
    const int begin = block.position();
    const int end = begin + block.length() - 1;
    QList<QTextLayout::FormatRange> shown;
    // Marks keep their order as the text moves, so their ends are sorted.
    auto mark = std::partition_point(m_marks.cbegin(), m_marks.cend(),
                                     [begin](const QTextCursor &m) { return m.selectionEnd() <= begin; });
    for (; mark != m_marks.cend() && mark->selectionStart() < end; ++mark) {
        const int start = qMax(mark->selectionStart(), begin);
        const int stop = qMin(mark->selectionEnd(), end);
        if (stop > start)
            shown.append({start - begin, stop - start, format()});
    }
    QTextLayout *layout = block.layout();
    if (shown.isEmpty() && layout->formats().isEmpty())
        return;
    layout->setFormats(shown);
    // Lays the line out again without touching the text: no change of it.
    m_document->markContentsDirty(begin, block.length());
}
