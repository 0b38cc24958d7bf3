#pragma once

#include <QVector>

#include "colours/paletteswatch.h"

// The 16 colour names of the W3C in four columns. Each swatch gives a fixed
// code; those whose colour looks different on the two desktop platforms carry
// a cross mark.
class W3cPalette
{
public:
    // The cross mark is a square label of this side, in twips.
    static constexpr int kCrossMarkSize = 165;

    // Swatches column by column, top to bottom.
    static const QVector<PaletteSwatch> &swatches();

    // Where a swatch's cross mark sits: inside the right end of the swatch, so
    // it never reaches into the next column. In twips.
    static int crossMarkLeft(const PaletteSwatch &swatch);
};
