#pragma once

#include "colours/cellpicker.h"

#include <QImage>

// The picture of the 216 web-safe colours. A press of any mouse button
// picks the colour of the pixel under the pointer (the ground between the
// swatches gives nothing); the keyboard picks a swatch's own colour.
class WebSafeGrid : public CellPicker
{
    Q_OBJECT

public:
    explicit WebSafeGrid(QWidget *parent = nullptr);

    // Swatches counted row by row, from the top left.
    int cellCount() const override;
    QRect cellRect(int index) const override;
    // The colour code the swatch gives.
    QString cellName(int index) const override;
    void pickCell(int index) override;

    QSize sizeHint() const override { return m_image.size(); }

signals:
    void codePicked(const QString &code);

protected:
    void paintCells(QPainter &painter) override;
    // In the ground around the swatch, leaving its colour and edges in view.
    QRect focusMarkRect(int index) const override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QImage m_image;
};
