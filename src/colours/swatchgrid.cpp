#include "colours/swatchgrid.h"

#include "colours/w3cpalette.h"
#include "shared/twips.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

SwatchGrid::SwatchGrid(const QVector<PaletteSwatch> &swatches, QWidget *parent)
    : CellPicker(parent)
    , m_swatches(swatches)
{
    if (!m_swatches.isEmpty()) {
        int left = m_swatches.first().left;
        int top = m_swatches.first().top;
        for (const PaletteSwatch &swatch : m_swatches) {
            left = std::min(left, swatch.left);
            top = std::min(top, swatch.top);
        }
        m_origin = QPoint(left, top);
    }
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void SwatchGrid::setSimulate(bool simulate)
{
    m_simulate = simulate;
    update();
}

QRect SwatchGrid::swatchRect(int index) const
{
    const PaletteSwatch &swatch = m_swatches.at(index);
    return QRect(Twips::toPixels(swatch.left - m_origin.x(), this), Twips::toPixels(swatch.top - m_origin.y(), this),
                 Twips::toPixels(PaletteSwatch::kWidth, this), Twips::toPixels(PaletteSwatch::kHeight, this));
}

int SwatchGrid::indexOf(const QString &name) const
{
    for (int i = 0; i < m_swatches.size(); ++i)
        if (m_swatches.at(i).name == name)
            return i;
    return -1;
}

QRect SwatchGrid::captionRect(int index) const
{
    QRect rect = swatchRect(index).adjusted(2, 0, -1, 0);
    // The cross mark covers the swatch's right end.
    const PaletteSwatch &swatch = m_swatches.at(index);
    if (swatch.crossMark)
        rect.setRight(std::min(rect.right(), crossMarkRect(index).left() - 1));
    return rect;
}

QRect SwatchGrid::crossMarkRect(int index) const
{
    const PaletteSwatch &swatch = m_swatches.at(index);
    const int side = Twips::toPixels(W3cPalette::kCrossMarkSize, this);
    return QRect(Twips::toPixels(W3cPalette::crossMarkLeft(swatch) - m_origin.x(), this), swatchRect(index).top(), side,
                 side);
}

QFont SwatchGrid::captionFont(int index) const
{
    QFont font = this->font();
    int size = std::max(8, Twips::toPixels(PaletteSwatch::kHeight, this) - 2);
    font.setPixelSize(size);
    // The names were measured against a narrower face than the desktop's:
    // the longest ones ran off the right of their swatch.
    const QString &caption = m_swatches.at(index).caption;
    const int room = captionRect(index).width();
    while (size > 6 && QFontMetrics(font).horizontalAdvance(caption) > room)
        font.setPixelSize(--size);
    return font;
}

QSize SwatchGrid::sizeHint() const
{
    QRect all;
    for (int i = 0; i < m_swatches.size(); ++i)
        all = all.united(swatchRect(i));
    return QSize(all.right() + 1, all.bottom() + 1);
}

QString SwatchGrid::cellName(int index) const
{
    return m_swatches.at(index).name;
}

QString SwatchGrid::cellDescription(int index) const
{
    return m_swatches.at(index).code(m_simulate);
}

void SwatchGrid::pickCell(int index)
{
    emit swatchClicked(m_swatches.at(index));
}

void SwatchGrid::paintCells(QPainter &painter)
{
    for (int i = 0; i < m_swatches.size(); ++i) {
        const PaletteSwatch &swatch = m_swatches.at(i);
        const QRect rect = swatchRect(i);
        painter.fillRect(rect, QColor::fromRgb(swatch.shownColour(m_simulate)));
        painter.setPen(swatch.whiteCaption ? Qt::white : Qt::black);
        painter.setFont(captionFont(i));
        painter.drawText(captionRect(i), Qt::AlignLeft | Qt::AlignVCenter, swatch.caption);
        if (swatch.crossMark) {
            const QRect mark = crossMarkRect(i);
            painter.fillRect(mark, palette().window());
            painter.setPen(palette().windowText().color());
            painter.drawText(mark, Qt::AlignCenter, QStringLiteral("×"));
        }
    }
}

void SwatchGrid::mousePressEvent(QMouseEvent *event)
{
    for (int i = 0; i < m_swatches.size(); ++i) {
        if (swatchRect(i).contains(event->position().toPoint())) {
            setCurrentCell(i);
            pickCell(i);
            return;
        }
    }
}
