#include "generators/imagetagmarkup.h"

#include "generators/piecebuilder.h"

namespace {

QString quotedValue(QString value)
{
    value.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    return QLatin1Char('"') + value + QLatin1Char('"');
}

} // namespace

QString ImageTagMarkup::kilobytes(qint64 bytes)
{
    const qint64 hundredths = qMax<qint64>(bytes, 0) / 1024 * 100 + qMax<qint64>(bytes, 0) % 1024 * 100 / 1024;
    const qint64 whole = hundredths / 100;
    const qint64 fraction = hundredths % 100;
    if (fraction == 0)
        return QString::number(whole);
    if (fraction % 10 == 0)
        return QString::number(whole) + QLatin1Char('.') + QString::number(fraction / 10);
    return QString::number(whole) + QLatin1Char('.') + QStringLiteral("%1").arg(fraction, 2, 10, QLatin1Char('0'));
}

QString ImageTagMarkup::altText(const QString &src, qint64 bytes)
{
    QString alt;
    if (!src.isEmpty())
        alt = src + QLatin1Char(' ');
    return alt + QStringLiteral("サイズ:") + kilobytes(bytes) + QStringLiteral("KB");
}

PieceList ImageTagMarkup::pieces(const ImageTagSettings &settings)
{
    PieceBuilder out;
    out.plain(QStringLiteral("<")).blue(QStringLiteral("img"));
    const std::pair<const char *, const QString *> attributes[] = {
        {" src=", &settings.src},
        {" width=", &settings.width},
        {" height=", &settings.height},
        {" alt=", &settings.alt},
    };
    for (const auto &[name, value] : attributes) {
        if (value->isEmpty())
            continue;
        out.purple(QLatin1String(name)).green(quotedValue(*value));
    }
    if (settings.noBorder)
        out.purple(QStringLiteral(" border=")).green(QStringLiteral("\"0\""));
    out.black(QStringLiteral(">"));
    return out.take();
}
