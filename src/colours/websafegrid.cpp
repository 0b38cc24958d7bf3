#include "colours/websafegrid.h"

#include "colours/palette94.h"
#include "colours/websafepicture.h"

#include <QMouseEvent>
#include <QPainter>

WebSafeGrid::WebSafeGrid(QWidget *parent)
    : CellPicker(parent)
    , m_image(WebSafePicture::kWidth, WebSafePicture::kHeight, QImage::Format_RGB32)
{
    for (int y = 0; y < WebSafePicture::kHeight; ++y) {
        auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        for (int x = 0; x < WebSafePicture::kWidth; ++x)
            line[x] = 0xFF000000u | WebSafePicture::pixel(x, y);
    }
    setFixedSize(m_image.size());
}

int WebSafeGrid::cellCount() const
{
    return WebSafePicture::kColumns * WebSafePicture::kRows;
}

QRect WebSafeGrid::cellRect(int index) const
{
    const int column = index % WebSafePicture::kColumns;
    const int row = index / WebSafePicture::kColumns;
    return QRect(WebSafePicture::kLeft + WebSafePicture::kStepX * column,
                 WebSafePicture::kTop + WebSafePicture::kStepY * row, WebSafePicture::kSwatchWidth,
                 WebSafePicture::kSwatchHeight);
}

QString WebSafeGrid::cellName(int index) const
{
    return Palette94::bintobin(
        WebSafePicture::swatchColour(index % WebSafePicture::kColumns, index / WebSafePicture::kColumns));
}

void WebSafeGrid::pickCell(int index)
{
    emit codePicked(cellName(index));
}

void WebSafeGrid::paintCells(QPainter &painter)
{
    painter.drawImage(0, 0, m_image);
}

QRect WebSafeGrid::focusMarkRect(int index) const
{
    // The ground is three pixels wide between swatches and around them.
    return cellRect(index).adjusted(-2, -2, 2, 2);
}

void WebSafeGrid::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (!m_image.valid(at))
        return;
    if (const std::optional<QString> code = WebSafePicture::clickText(m_image.pixel(at)))
        emit codePicked(*code);
    for (int i = 0; i < cellCount(); ++i) {
        if (cellRect(i).contains(at)) {
            setCurrentCell(i);
            break;
        }
    }
}
