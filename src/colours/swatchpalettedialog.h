#pragma once

#include "colours/palettedialog.h"
#include "colours/paletteswatch.h"

#include <QVector>

class QCheckBox;
class QLabel;
class SwatchGrid;

// A palette dialog of named swatches: a click on a swatch puts its name, or
// its colour code when "16進法で入力" is ticked, into Text1. The hint to click
// a colour shows while Text1 is empty.
class SwatchPaletteDialog : public PaletteDialog
{
    Q_OBJECT

public:
    QCheckBox *Check1() const { return m_check1; }
    // Entry 0: the hint to click; entry 1: the palette's note.
    QLabel *Label1(int index) const { return index == 0 ? m_hint : m_note; }
    SwatchGrid *swatchGrid() const { return m_grid; }

protected:
    SwatchPaletteDialog(const QString &name, const QString &caption, const QVector<PaletteSwatch> &swatches,
                        bool hexadecimal, const QString &note, QWidget *parent);

private:
    void onSwatchClicked(const PaletteSwatch &swatch);

    QCheckBox *m_check1 = nullptr;
    QLabel *m_hint = nullptr;
    QLabel *m_note = nullptr;
    SwatchGrid *m_grid = nullptr;
};
