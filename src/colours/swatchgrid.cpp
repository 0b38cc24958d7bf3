#include "colours/swatchgrid.h"

#include "colours/w3cpalette.h"
#include "shared/twips.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

SwatchGrid::SwatchGrid(const QVector<PaletteSwatch> &swatches, QWidget *parent)
    : QWidget(parent)
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

QSize SwatchGrid::sizeHint() const
{
    QRect all;
    for (int i = 0; i < m_swatches.size(); ++i)
        all = all.united(swatchRect(i));
    return QSize(all.right() + 1, all.bottom() + 1);
}

namespace {
// The caption starts this far into its swatch and keeps this far from its end.
constexpr int kCaptionLeft = 2;
constexpr int kCaptionRight = 1;
} // namespace

QFont SwatchGrid::captionFont() const
{
    QFont captionFont = font();
    captionFont.setPixelSize(std::max(8, Twips::toPixels(PaletteSwatch::kHeight, this) - 2));
    return captionFont;
}

qreal SwatchGrid::captionSqueeze(int index) const
{
    const qreal room = swatchRect(index).width() - kCaptionLeft - kCaptionRight;
    const qreal width = QFontMetricsF(captionFont()).horizontalAdvance(m_swatches.at(index).caption);
    return width <= room ? 1.0 : room / width;
}

void SwatchGrid::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(captionFont());
    for (int i = 0; i < m_swatches.size(); ++i) {
        const PaletteSwatch &swatch = m_swatches.at(i);
        const QRect rect = swatchRect(i);
        painter.fillRect(rect, QColor::fromRgb(swatch.shownColour(m_simulate)));
        painter.setPen(swatch.whiteCaption ? Qt::white : Qt::black);
        // A name longer than its swatch is written narrower, never cut.
        const qreal squeeze = captionSqueeze(i);
        painter.save();
        painter.translate(rect.left() + kCaptionLeft, rect.top());
        painter.scale(squeeze, 1.0);
        painter.drawText(QRectF(0, 0, (rect.width() - kCaptionLeft) / squeeze, rect.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, swatch.caption);
        painter.restore();
        if (swatch.crossMark) {
            const int side = Twips::toPixels(W3cPalette::kCrossMarkSize, this);
            const QRect mark(Twips::toPixels(W3cPalette::crossMarkLeft(swatch) - m_origin.x(), this), rect.top(), side,
                             side);
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
            emit swatchClicked(m_swatches.at(i));
            return;
        }
    }
}
