#include "generators/doctypedeclaration.h"

#include "generators/asciisearch.h"
#include "generators/doctypelist.h"
#include "generators/piecebuilder.h"

namespace {

struct Rule {
    const char *contains;
    const char *value;
};

const Rule kKeywords[] = {
    {"HTMLPLUS.DTD", "HTMLPLUS SYSTEM"},
    {"html40-mobile.dtd", "HTML SYSTEM"},
    {"XHTML", "html PUBLIC"},
};

const Rule kSystemIdentifiers[] = {
    {"XHTML 1.0 Strict//EN", "http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd"},
    {"XHTML 1.0 Transitional//EN", "http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd"},
    {"XHTML 1.0 Frameset//EN", "http://www.w3.org/TR/xhtml1/DTD/xhtml1-frameset.dtd"},
    {"XHTML 1.1//EN", "http://www.w3.org/TR/xhtml11/DTD/xhtml11.dtd"},
    {"XHTML Basic 1.0//EN", "http://www.w3.org/TR/xhtml-basic/xhtml-basic10.dtd"},
    {"XHTML Mobile 1.0//EN", "http://www.openwave.com/DTD/xhtml-mobile10.dtd"},
    {"i-mode group", "i-xhtml_4ja_10.dtd"},
};

template <size_t N>
QString lastMatch(const QString &entry, const Rule (&rules)[N], const QString &none)
{
    QString value = none;
    for (const Rule &rule : rules) {
        if (entry.contains(QLatin1String(rule.contains)))
            value = QLatin1String(rule.value);
    }
    return value;
}

const QLatin1StringView kOpen("<!doctype");

} // namespace

QString DoctypeDeclaration::keyword(const QString &entry)
{
    return lastMatch(entry, kKeywords, QStringLiteral("HTML PUBLIC"));
}

QString DoctypeDeclaration::systemIdentifier(const QString &entry)
{
    return lastMatch(entry, kSystemIdentifiers, QString());
}

bool DoctypeDeclaration::isHtml5(const QString &entry)
{
    return entry.trimmed().compare(DoctypeList::html5(), Qt::CaseInsensitive) == 0;
}

PieceList DoctypeDeclaration::pieces(const QString &entry, bool lineBreak)
{
    const QChar quote(u'"');
    PieceBuilder out;
    out.plain(QStringLiteral("<"));
    if (isHtml5(entry)) {
        out.red(QStringLiteral("!DOCTYPE html"));
    } else {
        out.red(QStringLiteral("!DOCTYPE ") + keyword(entry) + QLatin1Char(' ') + quote + entry + quote);
        const QString system = systemIdentifier(entry);
        if (!system.isEmpty())
            out.red(QLatin1Char(' ') + quote + system + quote);
    }
    out.black(lineBreak ? QStringLiteral(">\r\n") : QStringLiteral(">"));
    return out.take();
}

std::optional<DoctypeDeclaration::Span> DoctypeDeclaration::spanAt(QStringView text, qsizetype start)
{
    if (start < 0)
        return std::nullopt;
    // A declaration holds no "<": one that meets a "<" before its ">" never
    // closed, and that ">" belongs to the markup after it.
    qsizetype close = start + kOpen.size();
    while (close < text.size() && text[close] != QLatin1Char('>') && text[close] != QLatin1Char('<'))
        ++close;
    if (close >= text.size() || text[close] != QLatin1Char('>'))
        return std::nullopt;
    return Span{start, close + 1 - start};
}

std::optional<QString> DoctypeDeclaration::entryOf(QStringView declaration)
{
    QStringView inside = declaration;
    if (AsciiSearch::indexOf(inside, kOpen) == 0)
        inside = inside.mid(kOpen.size());
    if (inside.endsWith(QLatin1Char('>')))
        inside.chop(1);
    for (qsizetype i = 0; i < inside.size(); ++i) {
        const QChar c = inside[i];
        if (c != QLatin1Char('"') && c != QLatin1Char('\''))
            continue;
        const qsizetype end = inside.indexOf(c, i + 1);
        if (end < 0)
            return std::nullopt;
        return inside.mid(i + 1, end - i - 1).toString();
    }
    if (inside.trimmed().compare(QLatin1String("html"), Qt::CaseInsensitive) == 0)
        return DoctypeList::html5();
    return std::nullopt;
}
