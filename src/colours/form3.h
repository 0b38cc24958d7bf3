#pragma once

#include "colours/swatchpalettedialog.h"

// The 16 colour names of the W3C. The note on the names that look different
// on the two platforms shows only while names, not codes, are entered.
class Form3 : public SwatchPaletteDialog
{
    Q_OBJECT

public:
    explicit Form3(QWidget *parent = nullptr);
};
