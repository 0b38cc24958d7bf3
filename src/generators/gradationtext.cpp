#include "generators/gradationtext.h"

#include "generators/piecebuilder.h"

#include <cmath>

namespace {

int channelAt(int start, int end, qsizetype count, qsizetype index)
{
    const double step = (double(end) - double(start)) / double(count);
    const double value = double(start) + step * double(index);
    // The default rounding mode rounds halves to the even neighbour.
    return static_cast<int>(std::nearbyint(value));
}

QString escaped(QStringView character)
{
    if (character == QLatin1String("&"))
        return QStringLiteral("&amp;");
    if (character == QLatin1String("<"))
        return QStringLiteral("&lt;");
    if (character == QLatin1String(">"))
        return QStringLiteral("&gt;");
    return character.toString();
}

} // namespace

Rgb GradationText::colourAt(Rgb start, Rgb end, qsizetype count, qsizetype index)
{
    if (count <= 0)
        return start;
    return Rgb{channelAt(start.red, end.red, count, index), channelAt(start.green, end.green, count, index),
               channelAt(start.blue, end.blue, count, index)};
}

QVector<GradationText::Cell> GradationText::cells(const QString &text, Rgb start, Rgb end)
{
    QVector<Cell> result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        result.append({i, length, Rgb{}});
        i += length;
    }
    const qsizetype count = result.size();
    for (qsizetype i = 0; i < count; ++i)
        result[i].colour = colourAt(start, end, count, i);
    return result;
}

PieceList GradationText::pieces(const QString &text, Rgb start, Rgb end, Output output)
{
    const bool font = output == Output::Font;
    const QString name = font ? QStringLiteral("font") : QStringLiteral("span");
    const QString open = name + QLatin1Char(' ');
    const QString attribute = font ? QStringLiteral("color=") : QStringLiteral("style=");
    const QString closeName = QLatin1Char('/') + name;

    PieceBuilder out;
    bool first = true;
    for (const Cell &cell : cells(text, start, end)) {
        const QString code = ColourCode::digits(cell.colour);
        // The first "<" takes the caret's colour; later ones follow a black ">".
        if (first)
            out.plain(QStringLiteral("<"));
        else
            out.black(QStringLiteral("<"));
        first = false;
        out.blue(open).purple(attribute);
        if (font)
            out.green(QStringLiteral("\"#") + code + QLatin1Char('"'));
        else
            out.green(QStringLiteral("\"color:#") + code + QStringLiteral(";\""));
        out.black(QLatin1Char('>') + escaped(QStringView(text).mid(cell.start, cell.length)) + QLatin1Char('<'));
        out.blue(closeName).black(QStringLiteral(">"));
    }
    return out.take();
}

Rgb GradationText::afterChoice(Rgb current, const QString &digits)
{
    const auto chosen = ColourCode::parse(digits);
    return chosen ? *chosen : current;
}
