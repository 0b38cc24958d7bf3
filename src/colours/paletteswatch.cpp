#include "colours/paletteswatch.h"

#include <cmath>

QString PaletteSwatch::colourCode(quint32 rgb)
{
    return QLatin1Char('#') + QString::number(rgb & 0xFFFFFFu, 16).toUpper().rightJustified(6, QLatin1Char('0'));
}

quint32 PaletteSwatch::shownColour(bool simulate) const
{
    return (simulate ? simulated : colour) & 0xFFFFFFu;
}

QString PaletteSwatch::code(bool simulate) const
{
    if (!fixedCode.isEmpty())
        return fixedCode;
    return colourCode(shownColour(simulate));
}

QString PaletteSwatch::clickText(bool hexadecimal, bool simulate) const
{
    return hexadecimal ? code(simulate) : name;
}

const PaletteSwatch *PaletteSwatch::find(const QVector<PaletteSwatch> &swatches, QStringView name)
{
    for (const PaletteSwatch &swatch : swatches) {
        if (swatch.name == name)
            return &swatch;
    }
    return nullptr;
}

void PaletteSwatch::placeInColumns(QVector<PaletteSwatch> &swatches, int firstLeft, int firstTop)
{
    int column = -1;
    int row = 0;
    for (PaletteSwatch &swatch : swatches) {
        if (swatch.column != column) {
            column = swatch.column;
            row = 0;
        }
        swatch.left = firstLeft + column * kColumnStep;
        swatch.top = firstTop + row * kPitch;
        ++row;
    }
}

PaletteSwatch PaletteSwatch::named(int column, const char *name, quint32 colour, quint32 simulated,
                                   std::initializer_list<const char *> whiteCaptions)
{
    PaletteSwatch s;
    s.name = QString::fromLatin1(name);
    s.caption = s.name == QLatin1String("mediumspringgreen") ? QStringLiteral("mediumsprin...") : s.name;
    s.colour = colour;
    s.simulated = simulated;
    s.column = column - 1;
    for (const char *white : whiteCaptions)
        s.whiteCaption = s.whiteCaption || s.name == QLatin1String(white);
    s.whiteCaption = s.whiteCaption || tooDarkForBlack(colour) || tooDarkForBlack(simulated);
    return s;
}

bool PaletteSwatch::tooDarkForBlack(quint32 colour)
{
    // The relative luminance of the colour as the sRGB standard weighs it;
    // black writing on it has a contrast of (L + 0.05) / 0.05.
    const auto linear = [](quint32 byte) {
        const double v = byte / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * linear((colour >> 16) & 0xFF) + 0.7152 * linear((colour >> 8) & 0xFF)
        + 0.0722 * linear(colour & 0xFF);
    return (luminance + 0.05) / 0.05 < 3.0;
}
