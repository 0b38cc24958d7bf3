#pragma once

#include <QVector>

#include "colours/paletteswatch.h"

// The colour names that both major browsers define: 140 swatches in seven
// columns of 20. A swatch's code is made from its colour.
class BrowserNamesPalette
{
public:
    // Swatches column by column, top to bottom.
    static const QVector<PaletteSwatch> &swatches();
};
