#include "commands/tagreedit.h"

#include <QVector>

#include <algorithm>
#include <iterator>

namespace {

enum class MarkerKind { None, Opening, Closing };

// A table's start "<table" or its end "</table>" in the source.
struct Marker {
    MarkerKind kind = MarkerKind::None;
    qsizetype start = 0;
    qsizetype end = 0; // just past its last character
};

bool isBlank(QChar ch)
{
    return ch == QLatin1Char(' ') || ch == QLatin1Char('\t') || ch == QLatin1Char('\r') || ch == QLatin1Char('\n')
        || ch == QLatin1Char('\f');
}

// "table" at `at` in any letter case. Only ASCII letters match: a wide or
// accented letter is no part of a tag name.
bool tableWordAt(const QString &text, qsizetype at)
{
    static const char word[] = "table";
    if (at + 5 > text.size())
        return false;
    for (qsizetype k = 0; k < 5; ++k)
        if ((text.at(at + k).unicode() | 0x20) != word[k])
            return false;
    return true;
}

// The marker whose "<" stands at `at`. "<table" opens a table when a blank,
// ">", "/" or the end of the text follows it (so "<tablet>" opens none);
// "</table" closes one when only blanks stand before its ">".
Marker markerAt(const QString &text, qsizetype at)
{
    Marker marker;
    marker.start = at;
    const qsizetype size = text.size();
    qsizetype i = at + 1;
    const bool closing = i < size && text.at(i) == QLatin1Char('/');
    if (closing)
        ++i;
    if (!tableWordAt(text, i))
        return marker;
    i += 5;
    if (!closing) {
        if (i == size || isBlank(text.at(i)) || text.at(i) == QLatin1Char('>') || text.at(i) == QLatin1Char('/')) {
            marker.kind = MarkerKind::Opening;
            marker.end = i;
        }
        return marker;
    }
    while (i < size && isBlank(text.at(i)))
        ++i;
    if (i < size && text.at(i) == QLatin1Char('>')) {
        marker.kind = MarkerKind::Closing;
        marker.end = i + 1;
    }
    return marker;
}

// The comments of the page, in order, each from its "<!--" to just past its
// "-->" (or to the end of the text when it never closes). A table marker
// inside one is text the page has put aside, not a table.
class Comments
{
public:
    explicit Comments(const QString &text)
    {
        static const QString open = QStringLiteral("<!--");
        static const QString close = QStringLiteral("-->");
        for (qsizetype at = text.indexOf(open); at >= 0; at = text.indexOf(open, at)) {
            const qsizetype closeAt = text.indexOf(close, at + open.size());
            const qsizetype end = closeAt < 0 ? text.size() : closeAt + close.size();
            m_ranges.append({at, end});
            at = end;
        }
    }

    bool contain(qsizetype at) const
    {
        // The last comment starting at or before `at`.
        const auto after = std::upper_bound(m_ranges.cbegin(), m_ranges.cend(), at,
                                            [](qsizetype value, const Range &range) { return value < range.start; });
        return after != m_ranges.cbegin() && at < std::prev(after)->end;
    }

private:
    struct Range {
        qsizetype start;
        qsizetype end;
    };
    QVector<Range> m_ranges;
};

TextRange between(qsizetype start, qsizetype end)
{
    return {start, end - start};
}

} // namespace

TagReedit::Plan TagReedit::plan(const QString &selected)
{
    Plan plan;
    if (!selected.contains(QLatin1Char('<'))) {
        plan.needsTag = true;
        return plan;
    }
    const QString lower = selected.toLower();
    plan.image = lower.contains(QLatin1String("img"));
    plan.pageSettings = lower.contains(QLatin1String("title"));
    plan.table = lower.contains(QLatin1String("table"));
    return plan;
}

std::optional<TextRange> TagReedit::table(const QString &text, qsizetype selStart, qsizetype selLength)
{
    const qsizetype size = text.size();
    qsizetype s = qBound(qsizetype(0), selStart, size);
    qsizetype e = qBound(s, selStart + qMax(qsizetype(0), selLength), size);
    while (s < e && isBlank(text.at(s)))
        ++s;
    while (e > s && isBlank(text.at(e - 1)))
        --e;

    // A table [a, b) holds the selection when a <= s and e <= b, so an
    // opening belongs before the selection when its "<" is at s or earlier,
    // a closing belongs after it when its ">" ends at e or later. Markers
    // never overlap, so walking their "<" backwards from e meets first the
    // ones inside the selection, then the ones before it.

    // Inside the selection: the ends of closings not matched there yet (the
    // last one is the first in the text), the openings left open, and the
    // first opening with the end of its table when that lies inside too.
    QVector<qsizetype> openClosings;
    qsizetype openOpenings = 0;
    qsizetype firstOpening = -1;
    qsizetype firstOpeningEnd = -1;
    // Before it: the starts of the tables around s, the innermost first.
    QVector<qsizetype> startsAround;
    qsizetype depthBefore = 0;
    // Where the walk after the selection begins: a closing can start inside
    // the selection and still end after it.
    qsizetype afterFrom = e;
    const Comments comments(text);
    const auto markerOutsideComments = [&](qsizetype at) {
        return comments.contain(at) ? Marker{} : markerAt(text, at);
    };

    for (qsizetype p = e > 0 ? text.lastIndexOf(QLatin1Char('<'), e - 1) : -1; p >= 0;
         p = p > 0 ? text.lastIndexOf(QLatin1Char('<'), p - 1) : -1) {
        const Marker marker = markerOutsideComments(p);
        if (marker.kind == MarkerKind::Opening) {
            if (marker.start > s) {
                firstOpening = marker.start;
                if (openClosings.isEmpty()) {
                    ++openOpenings;
                    firstOpeningEnd = -1;
                } else {
                    firstOpeningEnd = openClosings.takeLast();
                }
            } else if (depthBefore > 0) {
                --depthBefore;
            } else {
                startsAround.append(marker.start);
                // The tables closed inside the selection don't hold it; the
                // next one out does, and nothing further out is wanted.
                if (startsAround.size() > openClosings.size())
                    break;
            }
        } else if (marker.kind == MarkerKind::Closing) {
            if (marker.end <= s)
                ++depthBefore;
            else if (marker.end >= e)
                afterFrom = marker.start;
            else
                openClosings.append(marker.end);
        }
    }

    // After the selection: the ends of the tables still open at e, the
    // innermost first. The openings left open inside the selection close
    // first, then the table that holds the whole selection.
    QVector<qsizetype> endsAround;
    qsizetype depthAfter = 0;
    for (qsizetype p = text.indexOf(QLatin1Char('<'), afterFrom); p >= 0 && endsAround.size() <= openOpenings;
         p = text.indexOf(QLatin1Char('<'), p + 1)) {
        const Marker marker = markerOutsideComments(p);
        if (marker.kind == MarkerKind::Opening)
            ++depthAfter;
        else if (marker.kind == MarkerKind::Closing) {
            if (depthAfter > 0)
                --depthAfter;
            else
                endsAround.append(marker.end);
        }
    }

    const qsizetype closedInside = openClosings.size();
    if (startsAround.size() > closedInside && endsAround.size() > openOpenings)
        return between(startsAround.at(closedInside), endsAround.at(openOpenings));
    // The table opened right at the selection's start and closed inside it
    // comes first among the tables the selection starts: it was met first
    // as the one around s.
    if (closedInside > 0 && !startsAround.isEmpty() && startsAround.first() == s)
        return between(s, openClosings.last());
    if (firstOpening >= 0) {
        if (firstOpeningEnd >= 0)
            return between(firstOpening, firstOpeningEnd);
        if (endsAround.size() >= openOpenings)
            return between(firstOpening, endsAround.at(openOpenings - 1));
    }
    if (closedInside > 0 && !startsAround.isEmpty())
        return between(startsAround.first(), openClosings.last());
    return std::nullopt;
}
