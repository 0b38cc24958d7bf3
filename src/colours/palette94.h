#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>

#include "colours/paletteswatch.h"

// The 94 colour names that both browsers define and both desktop platforms
// show alike with 256 colours, each with the colour such a display really
// gives (the simulation) and its full colour.
class Palette94
{
public:
    // Swatches column by column, top to bottom, six columns of at most 18.
    static const QVector<PaletteSwatch> &swatches();

    // The colour code of a colour: "#" and red, green, blue as two upper-case
    // hexadecimal digits each. rgb is 0xRRGGBB; higher bits are ignored.
    static QString bintobin(quint32 rgb);
};
