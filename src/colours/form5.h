#pragma once

#include "colours/swatchpalettedialog.h"

class QCheckBox;

// The 94 names shown alike by both platforms with 256 colours. Its swatches
// show what such a display gives, or the full colour, and a click's code
// follows what the swatch shows.
class Form5 : public SwatchPaletteDialog
{
    Q_OBJECT

public:
    explicit Form5(QWidget *parent = nullptr);

    QCheckBox *Check2() const { return m_check2; }

private:
    QCheckBox *m_check2 = nullptr;
};
