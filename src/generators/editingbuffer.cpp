#include "generators/editingbuffer.h"

EditingBuffer::EditingBuffer(const QString &text, const QVector<MarkupScan::Needle> &watched)
    : m_text(text)
{
    const QVector<qsizetype> positions = MarkupScan::firstPositions(text, watched);
    for (qsizetype i = 0; i < watched.size(); ++i)
        m_watched.append({watched[i], positions[i], true, 0});
}

qsizetype EditingBuffer::first(const MarkupScan::Needle &needle)
{
    for (Watch &watch : m_watched) {
        if (!(watch.needle == needle))
            continue;
        if (!watch.known) {
            watch.position = indexOf(needle, watch.from);
            watch.known = true;
        }
        return watch.position;
    }
    return indexOf(needle, 0);
}

qsizetype EditingBuffer::indexOf(const MarkupScan::Needle &needle, qsizetype from) const
{
    return m_text.indexOf(needle, from);
}

qsizetype EditingBuffer::replace(qsizetype position, qsizetype removed, const PieceList &pieces)
{
    const QString inserted = piecesText(pieces);
    m_text.replace(position, removed, inserted);
    m_edits.append({position, removed, pieces});
    for (Watch &watch : m_watched)
        update(watch, position, removed, inserted.size());
    return position + inserted.size();
}

// Matches that start before `unchanged` lie wholly in the text before the
// edit and so are where they were; matches that start after the removed
// stretch in the old text moved by the change in length; only those that
// touch the edit have to be looked for, in a window around it.
void EditingBuffer::update(Watch &watch, qsizetype position, qsizetype removed, qsizetype inserted)
{
    const qsizetype length = watch.needle.text.size();
    const qsizetype unchanged = qMax<qsizetype>(0, position - length + 1);
    if (!watch.known) {
        watch.from = qMin(watch.from, unchanged);
        return;
    }
    if (watch.position >= 0 && watch.position < unchanged)
        return;

    const qsizetype windowLength = position + inserted - unchanged + length - 1;
    const qsizetype inWindow = MarkupScan::indexOf(m_text.mid(unchanged, windowLength), watch.needle);
    if (inWindow >= 0) {
        watch.position = unchanged + inWindow;
    } else if (watch.position < 0) {
        // None before the edit and none made by it.
    } else if (watch.position >= position + removed) {
        watch.position += inserted - removed;
    } else {
        // The edit broke the match it had; look again after the edit when
        // asked.
        watch.known = false;
        watch.from = position + inserted;
    }
}
