#include "shared/toolbaricons.h"

#include <QFile>
#include <QHash>
#include <QFont>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

namespace {

QString resourcePath(const QString &key)
{
    return QStringLiteral(":/icons/%1.svg").arg(key);
}

// Short lettering for the badge, close to what each drawing shows.
QString badgeText(const QString &key)
{
    static const QHash<QString, QString> texts = {
        {QStringLiteral("main"), QStringLiteral("<>")},
        {QStringLiteral("strong_tag"), QStringLiteral("B")},
        {QStringLiteral("italic_tag"), QStringLiteral("I")},
        {QStringLiteral("underline_tag"), QStringLiteral("U")},
        {QStringLiteral("strike_tag"), QStringLiteral("S")},
        {QStringLiteral("a_tag"), QStringLiteral("a")},
        {QStringLiteral("br_tag"), QStringLiteral("br")},
        {QStringLiteral("p_tag"), QStringLiteral("¶")},
        {QStringLiteral("hx_tag"), QStringLiteral("H1")},
        {QStringLiteral("table_set"), QStringLiteral("表")},
        {QStringLiteral("img_tag"), QStringLiteral("画")},
        {QStringLiteral("w3c"), QStringLiteral("16")},
        {QStringLiteral("94color"), QStringLiteral("94")},
        {QStringLiteral("141color"), QStringLiteral("141")},
        {QStringLiteral("websafe"), QStringLiteral("216")},
        {QStringLiteral("fullColor"), QStringLiteral("色")},
        {QStringLiteral("mk_grad"), QStringLiteral("Gr")},
        {QStringLiteral("htmlnew"), QStringLiteral("H")},
        {QStringLiteral("cssnew"), QStringLiteral("C")},
        {QStringLiteral("jsnew"), QStringLiteral("JS")},
        {QStringLiteral("close"), QStringLiteral("閉")},
        {QStringLiteral("allclose"), QStringLiteral("全")},
        {QStringLiteral("print"), QStringLiteral("印")},
        {QStringLiteral("cut"), QStringLiteral("切")},
        {QStringLiteral("copy"), QStringLiteral("写")},
        {QStringLiteral("paste"), QStringLiteral("貼")},
        {QStringLiteral("del"), QStringLiteral("×")},
        {QStringLiteral("find"), QStringLiteral("検")},
        {QStringLiteral("dead_chk"), QStringLiteral("鎖")},
        {QStringLiteral("indent"), QStringLiteral("→")},
        {QStringLiteral("unindent"), QStringLiteral("←")},
    };
    const QString text = texts.value(key);
    return text.isEmpty() ? key.left(2) : text;
}

QPixmap drawBadge(const QString &text, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0.5, 0.5, size - 1.0, size - 1.0);
    painter.setPen(QColor(0x5b, 0x6b, 0x7b));
    painter.setBrush(QColor(0xf4, 0xf7, 0xfb));
    painter.drawRoundedRect(box, size / 8.0, size / 8.0);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(text.size() > 2 ? size * 4 / 10 : size * 6 / 10);
    painter.setFont(font);
    painter.setPen(QColor(0x2b, 0x3a, 0x4a));
    painter.drawText(box, Qt::AlignCenter, text);
    return pixmap;
}

} // namespace

bool ToolbarIcons::has(const QString &key)
{
    return QFile::exists(resourcePath(key));
}

QIcon ToolbarIcons::icon(const QString &key)
{
    static const bool svgReadable = QImageReader::supportedImageFormats().contains("svg");
    if (svgReadable && has(key)) {
        QIcon drawing(resourcePath(key));
        if (!drawing.isNull())
            return drawing;
    }
    return badge(key);
}

QIcon ToolbarIcons::badge(const QString &key)
{
    QIcon icon;
    const QString text = badgeText(key);
    for (int size : {16, 24, 32, 48})
        icon.addPixmap(drawBadge(text, size));
    return icon;
}
