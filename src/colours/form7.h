#pragma once

#include "colours/palettedialog.h"

class WebSafeGrid;

// The 216 web-safe colours as one picture: a press of any mouse button on a
// swatch puts the colour code of the pixel under the pointer into Text1; the
// ground between the swatches gives nothing. The keyboard picks a swatch's
// colour the same way.
class Form7 : public PaletteDialog
{
    Q_OBJECT

public:
    explicit Form7(QWidget *parent = nullptr);

    WebSafeGrid *Picture1() const { return m_picture1; }

private:
    WebSafeGrid *m_picture1 = nullptr;
};
