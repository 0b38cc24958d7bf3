#pragma once

#include "colours/cellpicker.h"
#include "colours/paletteswatch.h"

#include <QFont>
#include <QRect>
#include <QVector>

// The swatches of a palette dialog, each a small label painted in its colour
// with its caption written on it, placed where the palette puts them. One
// widget paints them all and tells which one a click or a key picked; to
// assistive tools each swatch is a button named after its colour.
class SwatchGrid : public CellPicker
{
    Q_OBJECT

public:
    explicit SwatchGrid(const QVector<PaletteSwatch> &swatches, QWidget *parent = nullptr);

    const QVector<PaletteSwatch> &swatches() const { return m_swatches; }
    // Paints the swatches with their simulated colours (true) or full ones.
    void setSimulate(bool simulate);
    bool simulate() const { return m_simulate; }

    // Where a swatch lies in the widget, in pixels.
    QRect swatchRect(int index) const;
    // The swatch of that name, or -1.
    int indexOf(const QString &name) const;
    // The font a swatch's caption is written in: the grid's, made smaller for
    // a caption that would not fit inside its swatch.
    QFont captionFont(int index) const;
    // Where a swatch's caption is written: its swatch, less a small margin.
    QRect captionRect(int index) const;
    // The cross mark of a swatch that has one.
    QRect crossMarkRect(int index) const;

    QSize sizeHint() const override;

    int cellCount() const override { return int(m_swatches.size()); }
    QRect cellRect(int index) const override { return swatchRect(index); }
    // The whole name, also where the caption is cut short; the description
    // is the code a pick gives in hexadecimal.
    QString cellName(int index) const override;
    QString cellDescription(int index) const override;
    void pickCell(int index) override;

signals:
    void swatchClicked(const PaletteSwatch &swatch);

protected:
    void paintCells(QPainter &painter) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QVector<PaletteSwatch> m_swatches;
    QPoint m_origin; // twips of the first column's left and the first row's top
    bool m_simulate = false;
};
