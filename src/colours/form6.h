#pragma once

#include "colours/swatchpalettedialog.h"

// The colour names both major browsers define, entered as codes by default.
class Form6 : public SwatchPaletteDialog
{
    Q_OBJECT

public:
    explicit Form6(QWidget *parent = nullptr);
};
