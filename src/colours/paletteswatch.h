#pragma once

#include <QString>
#include <QStringView>
#include <QVector>
#include <QtGlobal>

#include <initializer_list>

// One swatch of a palette dialog: a label painted in a colour, with a name
// written on it. Colours are 0xRRGGBB; any bits above the low 24 are ignored,
// so a pixel read from a picture (0xAARRGGBB) can be passed as it is.
struct PaletteSwatch {
    // Designed size and spacing of every swatch label, in twips.
    static constexpr int kWidth = 1215;
    static constexpr int kHeight = 165;
    static constexpr int kPitch = 225;      // from one top to the next down a column
    static constexpr int kColumnStep = 1275; // from one column's left to the next

    QString name;           // written into the box when the code is not asked for
    QString caption;        // shown on the swatch; equal to the name but for one shortened swatch
    quint32 colour = 0;     // the full colour of the name
    quint32 simulated = 0;  // as a 256-colour display shows it; the full colour where no simulation applies
    QString fixedCode;      // a code given whatever the swatch shows; empty: made from the colour
    int column = 0;         // from 0, left to right
    int left = 0;           // twips, in the dialog
    int top = 0;
    bool whiteCaption = false; // the name is written in white instead of black
    bool crossMark = false;    // the colour looks different on the two desktop platforms

    // "#" and red, green, blue as two upper-case hexadecimal digits each, of
    // a colour 0xRRGGBB; higher bits are ignored.
    static QString colourCode(quint32 rgb);

    // The colour the swatch is painted with in the given simulation state.
    quint32 shownColour(bool simulate) const;
    // The code a click gives: the fixed code, else the shown colour as "#RRGGBB".
    QString code(bool simulate) const;
    // What a click puts into the box: the code when hexadecimal is asked for,
    // else the name (which never follows the simulation).
    QString clickText(bool hexadecimal, bool simulate) const;

    // A swatch of a named palette (column counted from 1), captioned with its
    // name but for the one name too long for its swatch; whiteCaptions lists
    // the names written in white, to which any swatch too dark for black
    // writing is added.
    static PaletteSwatch named(int column, const char *name, quint32 colour, quint32 simulated,
                               std::initializer_list<const char *> whiteCaptions);
    // Black writing on this colour (0xRRGGBB) is too faint to read: its
    // contrast is below 3 : 1. Such swatches are captioned in white.
    static bool tooDarkForBlack(quint32 colour);

    // The two named palettes start at the same place in their dialogs.
    static constexpr int kNamedFirstLeft = 150;
    static constexpr int kNamedFirstTop = 525;

    // Sets left and top of swatches listed column by column, top to bottom
    // (column already set): columns from firstLeft, rows from firstTop.
    static void placeInColumns(QVector<PaletteSwatch> &swatches, int firstLeft, int firstTop);
    // The swatch of that name (exact, case-sensitive), or null.
    static const PaletteSwatch *find(const QVector<PaletteSwatch> &swatches, QStringView name);
};
