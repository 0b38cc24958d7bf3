#include "generators/tablemarkup.h"

#include "generators/piecebuilder.h"

#include <cmath>

namespace {

const char *const kColourAttributes[] = {" bordercolor=", " bordercolordark=", " bordercolorlight=", " bgcolor="};

QString formatNumber(double value)
{
    return QString::number(value, 'g', 15);
}

} // namespace

double TableMarkup::leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    bool digits = false;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        digits = true;
    }
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < text.size() && text[i].unicode() >= u'0' && text[i].unicode() <= u'9') {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    bool ok = false;
    const double value = text.mid(start, i - start).toString().toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

qsizetype TableMarkup::count(QStringView text)
{
    const double value = leadingNumber(text);
    if (value <= 0.0)
        return 0;
    // Far beyond any table we build; keeps the conversion defined.
    if (value >= 1e15)
        return qsizetype(1e15);
    // The default rounding mode rounds halves to the even neighbour.
    return static_cast<qsizetype>(std::nearbyint(value));
}

QString TableMarkup::stepUp(QStringView text)
{
    return formatNumber(leadingNumber(text) + 1.0);
}

QString TableMarkup::stepDown(QStringView text)
{
    const double value = leadingNumber(text);
    if (value > 0.0)
        return formatNumber(value - 1.0);
    return text.toString();
}

bool TableMarkup::tooLarge(const TableSettings &settings)
{
    const qsizetype rows = count(settings.rows);
    const qsizetype columns = count(settings.columns);
    if (rows == 0)
        return false;
    // Both are below 1e15, so compare by division rather than multiply.
    return qMax<qsizetype>(columns, 1) > MaxCells / rows;
}

QString TableMarkup::tooLargeMessage()
{
    return QStringLiteral("テーブルのセルが多すぎます。行数と列数の積が100000以下になるようにしてください。");
}

std::optional<PieceList> TableMarkup::build(const TableSettings &settings)
{
    if (tooLarge(settings))
        return std::nullopt;

    PieceBuilder out;
    out.plain(QStringLiteral("<")).blue(QStringLiteral("table"));
    if (!settings.noBorder)
        out.purple(QStringLiteral(" border=")).green(QStringLiteral("\"1\""));
    for (size_t i = 0; i < settings.colours.size(); ++i) {
        if (settings.colours[i] == TableSettings::standardColour())
            continue;
        out.purple(QLatin1String(kColourAttributes[i]))
            .green(QLatin1Char('"') + settings.colours[i] + QLatin1Char('"'));
    }
    out.black(QStringLiteral(">\r\n"));

    const qsizetype rows = count(settings.rows);
    const qsizetype columns = count(settings.columns);
    const QString rowOpen = QStringLiteral(" <");
    const QString cellOpen = QStringLiteral("  <");
    const QString close = QStringLiteral(">\r\n");
    for (qsizetype r = 0; r < rows; ++r) {
        out.black(rowOpen).blue(QStringLiteral("tr")).black(close);
        for (qsizetype c = 0; c < columns; ++c)
            out.black(cellOpen).blue(QStringLiteral("td")).black(close);
        out.black(rowOpen).blue(QStringLiteral("/tr")).black(close);
    }
    out.black(QStringLiteral("<")).blue(QStringLiteral("/table")).black(QStringLiteral(">"));
    return out.take();
}
