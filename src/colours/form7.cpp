#include "colours/form7.h"

#include "colours/websafepicture.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QVBoxLayout>

Form7::Form7(QWidget *parent)
    : PaletteDialog(QStringLiteral("Form7"), QStringLiteral("Webセーフカラー216色"), parent)
    , m_image(WebSafePicture::kWidth, WebSafePicture::kHeight, QImage::Format_RGB32)
{
    for (int y = 0; y < WebSafePicture::kHeight; ++y) {
        auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        for (int x = 0; x < WebSafePicture::kWidth; ++x)
            line[x] = 0xFF000000u | WebSafePicture::pixel(x, y);
    }
    m_picture1 = new QLabel(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setPixmap(QPixmap::fromImage(m_image));
    m_picture1->setFixedSize(m_image.size());
    m_picture1->installEventFilter(this);
    body()->addWidget(m_picture1);
}

bool Form7::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_picture1 && event->type() == QEvent::MouseButtonPress) {
        const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
        if (m_image.valid(at)) {
            if (const std::optional<QString> code = WebSafePicture::clickText(m_image.pixel(at)))
                Text1()->setText(*code);
        }
        return true;
    }
    return PaletteDialog::eventFilter(watched, event);
}
