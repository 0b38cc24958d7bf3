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

// Every value of `key=value` inside the tag at `tagStart`, quoted or not.
// The key must stand as a word of its own, so that e.g. "data-charset" or
// "xcharset" is passed over. A key without "=" is not a declaration; the
// search goes on behind it. A second charset in the same tag is rare, but
// costs nothing to allow.
void addValues(QStringView text, qsizetype tagStart, qsizetype tagEnd, QStringView key,
               QList<CharsetDeclaration::Value> &out)
{
    const QStringView tag = text.mid(tagStart, tagEnd - tagStart);
    qsizetype from = 0;
    while (true) {
        const qsizetype at = tag.indexOf(key, from, Qt::CaseInsensitive);
        if (at < 0)
            return;
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
        const QStringView label = tag.mid(start, i - start);
        out.append({tagStart + start, i - start, CharsetDeclaration::encodingForName(label)});
        from = i;
    }
}

// The CSS rule is only honoured in its exact form at the very start of a sheet.
std::optional<CharsetDeclaration::Value> cssCharset(QStringView text)
{
    const QStringView prefix = u"@charset \"";
    if (!text.startsWith(prefix))
        return std::nullopt;
    const qsizetype end = text.indexOf(u'"', prefix.size());
    if (end < 0)
        return std::nullopt;
    const QStringView label = text.mid(prefix.size(), end - prefix.size());
    return CharsetDeclaration::Value{prefix.size(), label.size(), CharsetDeclaration::encodingForName(label)};
}

// Only "<!", "<m", "<M" and "<?" can start what the search reads or skips:
// the rest of the page's many tags are passed at a glance.
bool mayMatter(QStringView text, qsizetype at)
{
    if (at + 1 >= text.size())
        return false;
    const char16_t next = text.at(at + 1).unicode();
    return next == u'!' || next == u'm' || next == u'M' || next == u'?';
}

bool startsTag(QStringView rest, QStringView name)
{
    return rest.size() > name.size() && rest.startsWith(name, Qt::CaseInsensitive)
           && (isBlank(rest.at(name.size())) || (name == u"<meta" && rest.at(name.size()) == u'/'));
}

} // namespace

std::optional<TextEncoding> CharsetDeclaration::find(QStringView text)
{
    for (const Value &value : values(text)) {
        if (value.encoding)
            return value.encoding;
    }
    return std::nullopt;
}

QList<CharsetDeclaration::Value> CharsetDeclaration::values(QStringView text, qsizetype limit)
{
    text = text.left(limit);
    QList<Value> out;
    if (auto css = cssCharset(text))
        out.append(*css);
    walk(text, [&](qsizetype at) {
        if (!mayMatter(text, at))
            return true;
        const QStringView rest = text.mid(at);
        const bool meta = startsTag(rest, u"<meta");
        if (meta || startsTag(rest, u"<?xml")) {
            qsizetype end = text.indexOf(u'>', at);
            if (end < 0)
                end = text.size();
            addValues(text, at, end, meta ? QStringView(u"charset") : QStringView(u"encoding"), out);
        }
        return true;
    });
    return out;
}

void CharsetDeclaration::walk(QStringView text, const std::function<bool(qsizetype)> &visit)
{
    qsizetype i = 0;
    while ((i = text.indexOf(u'<', i)) >= 0) {
        if (!mayMatter(text, i)) {
            if (!visit(i))
                return;
            ++i;
            continue;
        }
        const QStringView rest = text.mid(i);
        if (rest.startsWith(u"<!--")) {
            // A page keeps its old declaration commented out often enough.
            const qsizetype end = text.indexOf(u"-->", i + 4);
            if (end < 0)
                return;
            i = end + 3;
            continue;
        }
        if (!visit(i))
            return;
        if (startsTag(rest, u"<meta") || startsTag(rest, u"<?xml")) {
            const qsizetype end = text.indexOf(u'>', i);
            if (end < 0)
                return;
            i = end;
        } else {
            ++i;
        }
    }
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
