#include "generators/colourschememarkup.h"

#include "generators/asciisearch.h"
#include "generators/piecebuilder.h"

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

QString linkRule(const QString &selector, const ColourScheme::LinkStyle &style)
{
    QString rule = selector + QStringLiteral(" { color: ") + style.colour + QLatin1Char(';');
    if (!style.underline)
        rule += QStringLiteral(" text-decoration: none;");
    if (style.bold)
        rule += QStringLiteral(" font-weight: bold;");
    if (style.italic)
        rule += QStringLiteral(" font-style: italic;");
    return rule;
}

QString quoted(const QString &value)
{
    return QLatin1Char('"') + value + QLatin1Char('"');
}

// A new block goes in front of the line break that ends the line before
// "</head>", so it gets a line of its own. Without that line break ("</head>"
// on a line with other markup) it goes right before "</head>": stepping two
// characters back there would land inside the tag before it.
qsizetype beforeHeadEnd(const QString &text)
{
    const qsizetype headEnd = AsciiSearch::indexOf(text, QLatin1StringView("</head>"));
    if (headEnd < 0)
        return 0;
    if (headEnd >= 2 && QStringView(text).mid(headEnd - 2, 2) == kLineBreak)
        return headEnd - 2;
    return headEnd;
}

} // namespace

QString ColourSchemeMarkup::ruleText(const ColourScheme &scheme)
{
    const QString close = QLatin1Char('}') + kLineBreak;
    QString rules = linkRule(QStringLiteral("a:link"), scheme.link) + close
        + linkRule(QStringLiteral("a:visited"), scheme.visited) + close
        + linkRule(QStringLiteral("a:active"), scheme.active) + close
        + linkRule(QStringLiteral("a:hover"), scheme.hover) + close
        + QStringLiteral("body { background-color: ") + scheme.background + QStringLiteral("; color: ")
        + scheme.text + QLatin1Char(';');
    if (scheme.textBold)
        rules += QStringLiteral(" font-weight: bold;");
    if (scheme.textItalic)
        rules += QStringLiteral(" font-style: italic;");
    return rules;
}

PieceList ColourSchemeMarkup::styleBlock(const ColourScheme &scheme)
{
    PieceBuilder out;
    out.black(QStringLiteral("<"))
        .blue(QStringLiteral("style "))
        .purple(QStringLiteral("type="))
        .green(QStringLiteral("\"text/css\""))
        .black(QLatin1Char('>') + kLineBreak + QLatin1Char('<'))
        .red(QStringLiteral("!--") + kLineBreak + ruleText(scheme) + QLatin1Char('}') + kLineBreak
             + QStringLiteral("--"))
        .black(QLatin1Char('>') + kLineBreak + QLatin1Char('<'))
        .blue(QStringLiteral("/style"))
        .black(QStringLiteral(">"));
    return out.take();
}

PieceList ColourSchemeMarkup::bodyAttributes(const ColourScheme &scheme)
{
    PieceBuilder out;
    out.blue(QStringLiteral(" bgcolor=")).green(quoted(scheme.background));
    out.blue(QStringLiteral(" text=")).green(quoted(scheme.text));
    out.blue(QStringLiteral(" link=")).green(quoted(scheme.link.colour));
    out.blue(QStringLiteral(" vlink=")).green(quoted(scheme.visited.colour));
    out.blue(QStringLiteral(" alink=")).green(quoted(scheme.active.colour));
    return out.take();
}

std::optional<SourceEdit> ColourSchemeMarkup::edit(const QString &text, const ColourScheme &scheme)
{
    if (!scheme.styleSheet) {
        const qsizetype body = AsciiSearch::indexOf(text, QLatin1StringView("<body"));
        if (body < 0)
            return std::nullopt;
        return SourceEdit{body + 5, 0, bodyAttributes(scheme)};
    }

    const qsizetype style = AsciiSearch::indexOf(text, QLatin1StringView("<style"));
    if (style >= 0) {
        // The old block goes only when its end follows its start; a stray
        // "</style>" before it leaves the old text alone.
        const QLatin1StringView endTag("</style>");
        const qsizetype end = AsciiSearch::indexOf(text, endTag);
        const qsizetype removed = end >= style ? end + endTag.size() - style : 0;
        return SourceEdit{style, removed, styleBlock(scheme)};
    }

    PieceBuilder out;
    out.plain(kLineBreak).append(styleBlock(scheme));
    return SourceEdit{beforeHeadEnd(text), 0, out.take()};
}

QString ColourSchemeMarkup::noBodyMessage()
{
    return QStringLiteral("このページにはbodyタグがないため、配色を組み込めませんでした。");
}
