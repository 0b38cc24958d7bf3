#include "generators/splicetext.h"

SpliceText::SpliceText(const QString &original)
    : m_sources{original}
    , m_size(original.size())
{
    if (m_size > 0)
        m_segments.append({0, 0, m_size});
}

QStringView SpliceText::view(const Segment &segment) const
{
    return QStringView(m_sources[segment.source]).mid(segment.start, segment.length);
}

QChar SpliceText::at(qsizetype position) const
{
    qsizetype segmentStart = 0;
    for (const Segment &segment : m_segments) {
        if (position < segmentStart + segment.length)
            return view(segment)[position - segmentStart];
        segmentStart += segment.length;
    }
    return QChar();
}

QString SpliceText::mid(qsizetype position, qsizetype length) const
{
    QString out;
    position = qMax<qsizetype>(position, 0);
    length = qMin(length, m_size - position);
    if (length <= 0)
        return out;
    out.reserve(length);
    qsizetype segmentStart = 0;
    for (const Segment &segment : m_segments) {
        const qsizetype segmentEnd = segmentStart + segment.length;
        if (segmentEnd > position && segmentStart < position + length) {
            const qsizetype from = qMax(position, segmentStart);
            const qsizetype to = qMin(position + length, segmentEnd);
            out += view(segment).mid(from - segmentStart, to - from);
        }
        segmentStart = segmentEnd;
    }
    return out;
}

int SpliceText::split(qsizetype position)
{
    qsizetype segmentStart = 0;
    for (int i = 0; i < m_segments.size(); ++i) {
        const Segment segment = m_segments[i];
        if (position == segmentStart)
            return i;
        if (position < segmentStart + segment.length) {
            const qsizetype head = position - segmentStart;
            m_segments[i].length = head;
            m_segments.insert(i + 1, {segment.source, segment.start + head, segment.length - head});
            return i + 1;
        }
        segmentStart += segment.length;
    }
    return int(m_segments.size());
}

void SpliceText::replace(qsizetype position, qsizetype removed, const QString &inserted)
{
    position = qBound<qsizetype>(0, position, m_size);
    removed = qBound<qsizetype>(0, removed, m_size - position);
    const int first = split(position);
    const int last = split(position + removed);
    m_segments.remove(first, last - first);
    if (!inserted.isEmpty()) {
        m_sources.append(inserted);
        m_segments.insert(first, {int(m_sources.size() - 1), 0, inserted.size()});
    }
    m_size += inserted.size() - removed;
}

qsizetype SpliceText::indexOf(const MarkupScan::Needle &needle, qsizetype from) const
{
    const qsizetype length = needle.text.size();
    from = qMax<qsizetype>(from, 0);
    qsizetype segmentStart = 0;
    for (const Segment &segment : m_segments) {
        const qsizetype segmentEnd = segmentStart + segment.length;
        if (segmentEnd > from) {
            const qsizetype inside =
                MarkupScan::indexOf(view(segment), needle, qMax(from, segmentStart) - segmentStart);
            if (inside >= 0)
                return segmentStart + inside;
            // A match that begins here and runs on into the next segments.
            const qsizetype windowStart = qMax(qMax(from, segmentStart), segmentEnd - length + 1);
            const QString window = mid(windowStart, segmentEnd - windowStart + length - 1);
            const qsizetype across = MarkupScan::indexOf(window, needle);
            if (across >= 0)
                return windowStart + across;
        }
        segmentStart = segmentEnd;
    }
    return -1;
}

qsizetype SpliceText::indexOfAny(QStringView chars, qsizetype from) const
{
    from = qMax<qsizetype>(from, 0);
    qsizetype segmentStart = 0;
    for (const Segment &segment : m_segments) {
        const qsizetype segmentEnd = segmentStart + segment.length;
        if (segmentEnd > from) {
            const QStringView text = view(segment);
            for (qsizetype i = qMax(from, segmentStart) - segmentStart; i < text.size(); ++i) {
                if (chars.contains(text[i]))
                    return segmentStart + i;
            }
        }
        segmentStart = segmentEnd;
    }
    return -1;
}
