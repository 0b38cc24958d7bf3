#include "generators/markupscan.h"

#include "generators/asciisearch.h"

namespace {

char16_t lowerAscii(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

bool matchesAt(QStringView text, qsizetype at, const MarkupScan::Needle &needle)
{
    const qsizetype n = needle.text.size();
    if (at + n > text.size())
        return false;
    for (qsizetype i = 0; i < n; ++i) {
        char16_t c = text[at + i].unicode();
        if (needle.anyCase)
            c = lowerAscii(c);
        if (c != char16_t(uchar(needle.text[i].toLatin1())))
            return false;
    }
    return true;
}

} // namespace

qsizetype MarkupScan::indexOf(QStringView text, const Needle &needle, qsizetype from)
{
    if (needle.anyCase)
        return AsciiSearch::indexOf(text, needle.text, from);
    return text.indexOf(needle.text, qMax<qsizetype>(from, 0));
}

QVector<qsizetype> MarkupScan::firstPositions(QStringView text, const QVector<Needle> &needles)
{
    QVector<qsizetype> found(needles.size(), -1);
    QVector<qsizetype> pending;
    for (qsizetype i = 0; i < needles.size(); ++i) {
        if (needles[i].text.startsWith(QLatin1Char('<')))
            pending.append(i);
        else
            found[i] = indexOf(text, needles[i]);
    }

    // Most brackets of a page open tags that none of the needles name; their
    // second character turns them away with one look-up.
    bool secondChars[128] = {};
    for (qsizetype index : pending) {
        const Needle &needle = needles[index];
        if (needle.text.size() < 2)
            return MarkupScan::firstPositionsOneByOne(text, needles);
        const uchar c = uchar(needle.text[1].toLatin1()) & 0x7F;
        secondChars[c] = true;
        if (needle.anyCase && c >= 'a' && c <= 'z')
            secondChars[c - 'a' + 'A'] = true;
    }

    const qsizetype size = text.size();
    qsizetype at = 0;
    while (!pending.isEmpty()) {
        at = text.indexOf(QLatin1Char('<'), at);
        if (at < 0 || at + 1 >= size)
            break;
        const char16_t second = text[at + 1].unicode();
        if (second < 128 && secondChars[second]) {
            for (qsizetype k = 0; k < pending.size();) {
                if (matchesAt(text, at, needles[pending[k]])) {
                    found[pending[k]] = at;
                    pending.remove(k);
                } else {
                    ++k;
                }
            }
        }
        ++at;
    }
    return found;
}

QVector<qsizetype> MarkupScan::firstPositionsOneByOne(QStringView text, const QVector<Needle> &needles)
{
    QVector<qsizetype> found;
    for (const Needle &needle : needles)
        found.append(indexOf(text, needle));
    return found;
}
