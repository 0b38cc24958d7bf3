#include "checks/linktargetscanner.h"

#include <limits>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int v = 99;
    if (u >= u'0' && u <= u'9')
        v = u - u'0';
    else if (u >= u'a' && u <= u'f')
        v = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        v = u - u'A' + 10;
    return v < base ? v : -1;
}

// The numeric reference starting at `at` ("&#"), appended to `out`; returns
// where reading goes on, or `at` when no digit follows. A browser takes the
// reference without its ";" too, and reads a number that names no character
// as U+FFFD.
qsizetype numericReference(QStringView text, qsizetype at, QString &out)
{
    if (!text.sliced(at).startsWith(u"&#"))
        return at;
    qsizetype p = at + 2;
    int base = 10;
    if (p < text.size() && (text.at(p) == u'x' || text.at(p) == u'X')) {
        base = 16;
        ++p;
    }
    const qsizetype digits = p;
    char32_t code = 0;
    for (int d; p < text.size() && (d = digitValue(text.at(p), base)) >= 0; ++p)
        code = code > 0x10FFFF ? code : code * base + char32_t(d);
    if (p == digits)
        return at;
    if (p < text.size() && text.at(p) == u';')
        ++p;
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        code = 0xFFFD;
    out += QString::fromUcs4(&code, 1);
    return p;
}

// The references that escape markup characters; other names are left as
// written.
qsizetype namedReference(QStringView text, qsizetype at, QString &out)
{
    static const struct {
        QStringView name;
        QChar character;
    } Named[] = {{u"&amp;", u'&'}, {u"&lt;", u'<'}, {u"&gt;", u'>'}, {u"&quot;", u'"'}, {u"&apos;", u'\''}};
    const QStringView rest = text.sliced(at);
    for (const auto &reference : Named) {
        if (rest.startsWith(reference.name)) {
            out += reference.character;
            return at + reference.name.size();
        }
    }
    return at;
}

enum class Attribute { Other, Target, Anchor };

Attribute attributeOf(QStringView name)
{
    if (name.compare(u"href", Qt::CaseInsensitive) == 0
        || name.compare(u"src", Qt::CaseInsensitive) == 0)
        return Attribute::Target;
    if (name.compare(u"id", Qt::CaseInsensitive) == 0
        || name.compare(u"name", Qt::CaseInsensitive) == 0)
        return Attribute::Anchor;
    return Attribute::Other;
}

class Scanner
{
public:
    explicit Scanner(QStringView text) : m_text(text), m_size(text.size()) {}

    PageLinks run()
    {
        qsizetype i = 0;
        while ((i = m_text.indexOf(u'<', i)) >= 0) {
            if (m_text.sliced(i).startsWith(u"<!--")) {
                const qsizetype close = m_text.indexOf(u"-->", i + 4);
                if (close < 0)
                    break; // the rest of the page is commented out
                i = close + 3;
            } else if (i + 1 < m_size && isAsciiLetter(m_text.at(i + 1))) {
                i = startTag(i + 1);
            } else {
                ++i; // an end tag, a declaration or a lone "<": no attributes to read
            }
        }
        return std::move(m_links);
    }

private:
    qsizetype skipBlanks(qsizetype p) const
    {
        while (p < m_size && isBlank(m_text.at(p)))
            ++p;
        return p;
    }

    // A closing quote, remembering where one was missing: a page full of
    // stray quotes must not be searched to the end once per quote.
    qsizetype closingQuote(QChar quote, qsizetype from)
    {
        qsizetype &missingFrom = quote == u'"' ? m_noDoubleFrom : m_noSingleFrom;
        if (from >= missingFrom)
            return -1;
        const qsizetype at = m_text.indexOf(quote, from);
        if (at < 0)
            missingFrom = from;
        return at;
    }

    // Reads the tag whose name starts at `p`; returns where scanning goes on.
    qsizetype startTag(qsizetype p)
    {
        const qsizetype nameStart = p;
        while (p < m_size && !isBlank(m_text.at(p)) && m_text.at(p) != u'>' && m_text.at(p) != u'/'
               && m_text.at(p) != u'<')
            ++p;
        const QStringView tagName = m_text.sliced(nameStart, p - nameStart);

        bool attributed = false;
        for (;;) {
            while (p < m_size && (isBlank(m_text.at(p)) || m_text.at(p) == u'/'))
                ++p;
            if (p >= m_size)
                return m_size;
            const QChar c = m_text.at(p);
            if (c == u'>')
                return afterTag(tagName, p + 1);
            if (c == u'<')
                return p; // a tag left open; the next one starts here
            const qsizetype attrStart = p;
            while (p < m_size && !isBlank(m_text.at(p)) && m_text.at(p) != u'='
                   && m_text.at(p) != u'>' && m_text.at(p) != u'<')
                ++p;
            if (p == attrStart) {
                ++p; // "=" or a quote where a name should be
                continue;
            }
            if (!attributed) {
                m_links.attributedTags.append(nameStart - 1);
                attributed = true;
            }
            const QStringView name = m_text.sliced(attrStart, p - attrStart);
            const qsizetype afterName = skipBlanks(p);
            if (afterName >= m_size || m_text.at(afterName) != u'=')
                continue; // an attribute without a value
            p = value(attributeOf(name), skipBlanks(afterName + 1));
        }
    }

    // Reads the value starting at `p`; returns the position after it.
    qsizetype value(Attribute attribute, qsizetype p)
    {
        if (p >= m_size)
            return p;
        const QChar c = m_text.at(p);
        qsizetype start;
        qsizetype end;
        qsizetype next;
        if (c == u'"' || c == u'\'') {
            start = p + 1;
            end = closingQuote(c, start);
            if (end < 0)
                return start; // unterminated: no value, read on after the quote
            next = end + 1;
        } else {
            start = p;
            end = p;
            while (end < m_size && !isBlank(m_text.at(end)) && m_text.at(end) != u'>')
                ++end;
            if (end >= m_size)
                return m_size; // the page ends inside the value
            next = end;
        }
        switch (attribute) {
        case Attribute::Target:
            m_links.targets.append({start, end - start});
            break;
        case Attribute::Anchor:
            m_links.anchors.insert(LinkTargetScanner::decoded(m_text.sliced(start, end - start)));
            break;
        case Attribute::Other:
            break;
        }
        return next;
    }

    // Script and style text is no markup: a "<" in it starts no tag.
    qsizetype afterTag(QStringView tagName, qsizetype p)
    {
        QStringView endTag;
        if (tagName.compare(u"script", Qt::CaseInsensitive) == 0)
            endTag = u"</script";
        else if (tagName.compare(u"style", Qt::CaseInsensitive) == 0)
            endTag = u"</style";
        else
            return p;
        const qsizetype close = m_text.indexOf(endTag, p, Qt::CaseInsensitive);
        return close < 0 ? m_size : close;
    }

    QStringView m_text;
    qsizetype m_size;
    qsizetype m_noDoubleFrom = std::numeric_limits<qsizetype>::max();
    qsizetype m_noSingleFrom = std::numeric_limits<qsizetype>::max();
    PageLinks m_links;
};

} // namespace

PageLinks LinkTargetScanner::scan(QStringView text)
{
    return Scanner(text).run();
}

QString LinkTargetScanner::decoded(QStringView value)
{
    qsizetype done = 0;
    qsizetype amp = value.indexOf(u'&');
    if (amp < 0)
        return value.toString();
    QString out;
    out.reserve(value.size());
    for (; amp >= 0; amp = value.indexOf(u'&', done)) {
        out += value.sliced(done, amp - done);
        done = numericReference(value, amp, out);
        if (done == amp)
            done = namedReference(value, amp, out);
        if (done == amp) {
            out += u'&';
            done = amp + 1;
        }
    }
    out += value.sliced(done);
    return out;
}
