#include "colours/w3cpalette.h"

namespace {

struct Row {
    int column;
    int top; // twips; the columns after the first leave a gap between their pairs
    const char *name;
    const char *code;
    bool crossMark;
};

const Row kRows[] = {
    {1, 600, "white", "#FFFFFF", false},
    {1, 825, "silver", "#C0C0C0", true},
    {1, 1050, "gray", "#808080", true},
    {1, 1275, "black", "#000000", false},

    {2, 600, "red", "#FF0000", false},
    {2, 825, "maroon", "#800000", true},
    {2, 1575, "fuchsia", "#FF00FF", false},
    {2, 1800, "purple", "#800080", false},

    {3, 600, "blue", "#0000FF", false},
    {3, 825, "navy", "#000080", false},
    {3, 1575, "aqua", "#00FFFF", false},
    {3, 1800, "teal", "#008080", true},

    {4, 600, "lime", "#00FF00", false},
    {4, 825, "green", "#008000", true},
    {4, 1575, "yellow", "#FFFF00", false},
    {4, 1800, "olive", "#808000", true},
};

const int kFirstLeft = 75;

QVector<PaletteSwatch> build()
{
    QVector<PaletteSwatch> swatches;
    for (const Row &r : kRows) {
        PaletteSwatch s;
        s.name = QString::fromLatin1(r.name);
        s.caption = s.name;
        s.fixedCode = QString::fromLatin1(r.code);
        // Each swatch is painted in the colour of its code.
        s.colour = s.fixedCode.mid(1).toUInt(nullptr, 16);
        s.simulated = s.colour;
        s.column = r.column - 1;
        s.left = kFirstLeft + s.column * PaletteSwatch::kColumnStep;
        s.top = r.top;
        // White on black as designed, and on the other colours too dark to
        // read black writing on.
        s.whiteCaption = s.colour == 0x000000 || PaletteSwatch::tooDarkForBlack(s.colour);
        s.crossMark = r.crossMark;
        swatches << s;
    }
    return swatches;
}

} // namespace

const QVector<PaletteSwatch> &W3cPalette::swatches()
{
    static const QVector<PaletteSwatch> table = build();
    return table;
}

int W3cPalette::crossMarkLeft(const PaletteSwatch &swatch)
{
    return swatch.left + PaletteSwatch::kWidth - kCrossMarkSize;
}
