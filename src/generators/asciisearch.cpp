#include "generators/asciisearch.h"

namespace {

char16_t lowerAscii(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

bool isLetter(char16_t c)
{
    return c >= u'a' && c <= u'z';
}

} // namespace

qsizetype AsciiSearch::indexOf(QStringView text, QLatin1StringView needle, qsizetype from)
{
    const qsizetype n = needle.size();
    if (n == 0)
        return from <= text.size() ? qMax<qsizetype>(from, 0) : -1;
    const char16_t first = char16_t(uchar(needle[0].toLatin1()));
    const Qt::CaseSensitivity firstCase = isLetter(first) ? Qt::CaseInsensitive : Qt::CaseSensitive;
    qsizetype at = qMax<qsizetype>(from, 0);
    const qsizetype last = text.size() - n;
    while (at <= last) {
        // Markup needles start with "<", which the vectorised character search
        // finds quickly; the rest is compared here.
        at = text.indexOf(QChar(first), at, firstCase);
        if (at < 0 || at > last)
            return -1;
        qsizetype i = 0;
        while (i < n && lowerAscii(text[at + i].unicode()) == char16_t(uchar(needle[i].toLatin1())))
            ++i;
        if (i == n)
            return at;
        ++at;
    }
    return -1;
}
