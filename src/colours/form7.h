#pragma once

#include "colours/palettedialog.h"

#include <QImage>

class QLabel;

// The 216 web-safe colours as one picture: a press of any mouse button on a
// swatch puts the colour code of the pixel under the pointer into Text1; the
// ground between the swatches gives nothing.
class Form7 : public PaletteDialog
{
    Q_OBJECT

public:
    explicit Form7(QWidget *parent = nullptr);

    QLabel *Picture1() const { return m_picture1; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QImage m_image;
    QLabel *m_picture1 = nullptr;
};
