#include "document/charsetdeclaration.h"

#include <QString>

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u'.' || c == u':';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// The value of `key=value` inside one tag, quoted or not. The key must stand as
// a word of its own, so that e.g. "data-charset" or "xcharset" is passed over.
// A key without "=" is not a declaration; the search goes on behind it.
std::optional<TextEncoding> valueOf(QStringView tag, QStringView key)
{
    qsizetype from = 0;
    while (true) {
        const qsizetype at = tag.indexOf(key, from, Qt::CaseInsensitive);
        if (at < 0)
            return std::nullopt;
        from = at + key.size();
        if (at > 0 && isNameChar(tag.at(at - 1)))
            continue;
        qsizetype i = from;
        while (i < tag.size() && isBlank(tag.at(i)))
            ++i;
        if (i >= tag.size() || tag.at(i) != u'=')
            continue;
        ++i;
        while (i < tag.size() && isBlank(tag.at(i)))
            ++i;
        if (i < tag.size() && (tag.at(i) == u'"' || tag.at(i) == u'\''))
            ++i;
        const qsizetype start = i;
        while (i < tag.size() && isNameChar(tag.at(i)))
            ++i;
        // A label we don't know may still be followed by one we do (a second
        // charset in the same tag is rare, but costs nothing to allow).
        if (auto encoding = CharsetDeclaration::encodingForName(tag.mid(start, i - start)))
            return encoding;
    }
}

// The CSS rule is only honoured in its exact form at the very start of a sheet.
std::optional<TextEncoding> cssCharset(QStringView text)
{
    const QStringView prefix = u"@charset \"";
    if (!text.startsWith(prefix))
        return std::nullopt;
    const qsizetype end = text.indexOf(u'"', prefix.size());
    if (end < 0)
        return std::nullopt;
    return CharsetDeclaration::encodingForName(text.mid(prefix.size(), end - prefix.size()));
}

} // namespace

std::optional<TextEncoding> CharsetDeclaration::find(QStringView text)
{
    text = text.left(ScanLength);
    if (auto encoding = cssCharset(text))
        return encoding;

    qsizetype i = 0;
    while ((i = text.indexOf(u'<', i)) >= 0) {
        const QStringView rest = text.mid(i);
        if (rest.startsWith(u"<!--")) {
            // A page keeps its old declaration commented out often enough.
            const qsizetype end = text.indexOf(u"-->", i + 4);
            if (end < 0)
                return std::nullopt;
            i = end + 3;
            continue;
        }
        const bool meta = rest.size() > 5 && rest.startsWith(u"<meta", Qt::CaseInsensitive)
                          && (isBlank(rest.at(5)) || rest.at(5) == u'/');
        const bool xml = rest.size() > 5 && rest.startsWith(u"<?xml", Qt::CaseInsensitive)
                         && isBlank(rest.at(5));
        if (!meta && !xml) {
            ++i;
            continue;
        }
        qsizetype end = text.indexOf(u'>', i);
        if (end < 0)
            end = text.size();
        const QStringView tag = text.mid(i, end - i);
        if (auto encoding = valueOf(tag, meta ? QStringView(u"charset") : QStringView(u"encoding")))
            return encoding;
        i = end;
    }
    return std::nullopt;
}

std::optional<TextEncoding> CharsetDeclaration::encodingForName(QStringView name)
{
    struct Alias {
        const char16_t *label;
        TextEncoding encoding;
    };
    static const Alias aliases[] = {
        {u"utf-8", TextEncoding::Utf8},
        {u"utf8", TextEncoding::Utf8},
        {u"unicode-1-1-utf-8", TextEncoding::Utf8},
        {u"shift_jis", TextEncoding::ShiftJis},
        {u"shift-jis", TextEncoding::ShiftJis},
        {u"sjis", TextEncoding::ShiftJis},
        {u"x-sjis", TextEncoding::ShiftJis},
        {u"ms_kanji", TextEncoding::ShiftJis},
        {u"csshiftjis", TextEncoding::ShiftJis},
        {u"windows-31j", TextEncoding::ShiftJis},
        {u"cswindows31j", TextEncoding::ShiftJis},
        {u"cp932", TextEncoding::ShiftJis},
        {u"ms932", TextEncoding::ShiftJis},
        {u"x-ms-cp932", TextEncoding::ShiftJis},
        {u"euc-jp", TextEncoding::EucJp},
        {u"x-euc-jp", TextEncoding::EucJp},
        {u"eucjp", TextEncoding::EucJp},
        {u"x-euc", TextEncoding::EucJp},
        {u"cseucpkdfmtjapanese", TextEncoding::EucJp},
        {u"iso-2022-jp", TextEncoding::Iso2022Jp},
        {u"csiso2022jp", TextEncoding::Iso2022Jp},
    };
    const QStringView trimmed = name.trimmed();
    for (const Alias &alias : aliases) {
        if (trimmed.compare(QStringView(alias.label), Qt::CaseInsensitive) == 0)
            return alias.encoding;
    }
    return std::nullopt;
}
