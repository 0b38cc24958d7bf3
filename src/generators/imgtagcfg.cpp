#include "generators/imgtagcfg.h"

#include "document/documentframe.h"
#include "document/documentwindow.h"
#include "document/richtextbox1.h"
#include "frame/folderchain.h"
#include "frame/folderlistdelegate.h"
#include "generators/imageextensions.h"
#include "generators/imagefolder.h"
#include "generators/imagetagmarkup.h"
#include "shared/datafile.h"
#include "shared/dialogseam.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int PreviewWidth = 240;
constexpr int PreviewHeight = 180;

QLineEdit *attributeBox(const QString &name)
{
    auto *box = new QLineEdit;
    box->setObjectName(name);
    // Wide enough for a path and its size text.
    box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 36);
    return box;
}

// The stand-in picture beside the program; a plain one when it is missing.
QImage placeholderPicture()
{
    QImage picture(DataFile::path(QStringLiteral("png.bmp")));
    if (picture.isNull()) {
        picture = QImage(256, 128, QImage::Format_RGB32);
        picture.fill(QColor(236, 236, 236));
    }
    return picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace

ImgTagCfg::ImgTagCfg(QWidget *parent)
    : DocumentDialog(parent, QStringLiteral("画像タグ設定"))
{
    m_dir1 = new QListWidget;
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_dir1->setItemDelegate(new FolderListDelegate(m_dir1));
    m_dir1->installEventFilter(this);
    m_file1 = new QListWidget;
    m_file1->setObjectName(QStringLiteral("File1"));

    m_picture1 = new QLabel;
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setFixedSize(PreviewWidth, PreviewHeight);
    m_picture1->setAlignment(Qt::AlignCenter);
    m_picture1->setFrameShape(QFrame::StyledPanel);

    m_text1 = attributeBox(QStringLiteral("Text1"));
    m_text2 = attributeBox(QStringLiteral("Text2"));
    m_text3 = attributeBox(QStringLiteral("Text3"));
    m_text4 = attributeBox(QStringLiteral("Text4"));
    auto *size = new QGroupBox(QStringLiteral("画像サイズ属性"));
    auto *form = new QFormLayout(size);
    form->addRow(QStringLiteral("幅:"), m_text1);
    form->addRow(QStringLiteral("高さ:"), m_text2);
    form->addRow(QStringLiteral("SRC属性:"), m_text3);
    form->addRow(QStringLiteral("ALT属性:"), m_text4);

    m_check1 = new QCheckBox(QStringLiteral("枠線を表示しない"));
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check1->setChecked(true);
    m_label5 = new QLabel(QStringLiteral("空欄にしてOKを押すとその箇所の属性入力が省略されます"));
    m_label5->setObjectName(QStringLiteral("Label5"));
    m_label5->setWordWrap(true);

    m_command1 = new QPushButton(QStringLiteral("OK"));
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command2 = new QPushButton(QStringLiteral("キャンセル(&C)"));
    m_command2->setObjectName(QStringLiteral("Command2"));

    auto *lists = new QVBoxLayout;
    lists->addWidget(m_dir1, 2);
    lists->addWidget(m_file1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_command1);
    buttons->addWidget(m_command2);
    auto *right = new QVBoxLayout;
    right->addWidget(m_picture1, 0, Qt::AlignHCenter);
    right->addWidget(size);
    right->addWidget(m_check1);
    right->addWidget(m_label5);
    right->addStretch();
    right->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(right);
    resize(sizeHint().width() + 120, sizeHint().height());

    connect(m_dir1, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { setDirPath(item->data(Qt::UserRole).toString()); });
    connect(m_file1, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) { chooseFile(item); });
    connect(m_command1, &QPushButton::clicked, this, &ImgTagCfg::insertTag);
    connect(m_command2, &QPushButton::clicked, this, &QDialog::reject);
    setReturnButton(m_command1);

    // The lists start where the working-folder view stands; whatever it
    // shows counts as inside at first.
    const DocumentFrame *frame = DocumentFrame::instance();
    m_dirPath = FolderChain::normalized(frame ? frame->folderFilePath() : QDir::currentPath());
    fillDir1();
    fillFile1();
    // Not the file list: focusing it would choose its first file at once.
    m_dir1->setFocus();
}

QString ImgTagCfg::workDir() const
{
    const DocumentFrame *frame = DocumentFrame::instance();
    return frame ? frame->WorkDir : QString();
}

void ImgTagCfg::setDirPath(const QString &folder)
{
    const QString normalized = FolderChain::normalized(folder);
    if (normalized.isEmpty() || !QFileInfo(normalized).isDir())
        return;
    const ImageFolder::Move move = ImageFolder::move(m_insideWorkDir, normalized, workDir());
    if (move.warn)
        DialogSeam::warning(this, ImageFolder::leavingTitle(), ImageFolder::leavingMessage());
    m_insideWorkDir = move.inside;
    m_text3->clear();
    m_dirPath = normalized;
    fillDir1();
    fillFile1();
}

void ImgTagCfg::fillDir1()
{
    m_dir1->clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QStringList chain = FolderChain::chain(QStringLiteral("/"), m_dirPath);
    QListWidgetItem *current = nullptr;
    for (int depth = 0; depth < chain.size(); ++depth) {
        current = new QListWidgetItem(openIcon, FolderChain::name(chain.at(depth)), m_dir1);
        current->setData(Qt::UserRole, chain.at(depth));
        current->setData(FolderListDelegate::DepthRole, depth);
    }
    const QStringList subfolders =
        QDir(m_dirPath).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : subfolders) {
        auto *item = new QListWidgetItem(closedIcon, name, m_dir1);
        item->setData(Qt::UserRole, FolderChain::join(m_dirPath, name) + QLatin1Char('/'));
        item->setData(FolderListDelegate::DepthRole, int(chain.size()));
    }
    if (current) {
        m_dir1->setCurrentItem(current);
        m_dir1->scrollToItem(current);
    }
}

void ImgTagCfg::fillFile1()
{
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    const QStringList names = QDir(m_dirPath).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    const QSignalBlocker quiet(m_file1);
    m_file1->clear();
    for (const QString &name : names)
        if (ImageExtensions::isImage(name, formats))
            m_file1->addItem(name);
}

void ImgTagCfg::chooseFile(QListWidgetItem *item)
{
    if (!item)
        return;
    m_label5->hide();
    const QString path = FolderChain::join(m_dirPath, item->text());

    // Browsers show a photo turned as its EXIF orientation says, so the tag
    // gets the turned width and height, and the preview is turned too. The
    // reader scales before it turns: the preview's bounds are turned with it.
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize size = reader.size();
    QSize bounds = QSize(PreviewWidth, PreviewHeight) * m_picture1->devicePixelRatioF();
    if (turned)
        bounds.transpose();
    if (size.isValid())
        reader.setScaledSize(size.scaled(bounds, Qt::KeepAspectRatio).boundedTo(size));
    const QImage image = reader.read();
    if (image.isNull()) {
        // Nothing to measure: the size boxes keep what they held.
        showPlaceholder();
    } else {
        const QSize full = size.isValid() ? (turned ? size.transposed() : size) : image.size();
        m_placeholder = false;
        showPicture(image);
        m_text1->setText(QString::number(full.width()));
        m_text2->setText(QString::number(full.height()));
    }

    QString src;
    if (m_insideWorkDir) {
        src = ImageFolder::relativeSrc(path, workDir());
        m_text3->setText(src);
    }
    m_text4->setText(ImageTagMarkup::altText(src, QFileInfo(path).size()));
}

void ImgTagCfg::showPicture(const QImage &picture)
{
    // Scaled to the screen's own pixels: a picture scaled to the box's size
    // in layout units was blown up again, blurred, on a scaled screen.
    const qreal ratio = m_picture1->devicePixelRatioF();
    QPixmap pixmap = QPixmap::fromImage(
        picture.scaled(m_picture1->contentsRect().size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    m_picture1->setPixmap(pixmap);
}

void ImgTagCfg::showPlaceholder()
{
    QImage picture = placeholderPicture();
    {
        QPainter painter(&picture);
        const QFontMetrics metrics(font());
        QFont bold = font();
        bold.setPointSize(16);
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(Qt::black);
        const int top = metrics.height() * 3 + QFontMetrics(bold).ascent();
        painter.drawText(metrics.averageCharWidth() * 10, top, QStringLiteral("PNG画像形式"));
    }
    m_placeholder = true;
    showPicture(picture);
}

ImageTagSettings ImgTagCfg::settings() const
{
    ImageTagSettings settings;
    settings.src = m_text3->text();
    settings.width = m_text1->text();
    settings.height = m_text2->text();
    settings.alt = m_text4->text();
    settings.noBorder = m_check1->isChecked();
    return settings;
}

void ImgTagCfg::insertTag()
{
    if (DocumentWindow *form = target())
        form->richTextBox1()->insertPieces(ImageTagMarkup::pieces(settings()));
    accept();
}

bool ImgTagCfg::eventFilter(QObject *watched, QEvent *event)
{
    // Return in the folder list enters the folder; it must not also reach
    // the dialog and insert the tag.
    if (watched == m_dir1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (QListWidgetItem *item = m_dir1->currentItem())
                setDirPath(item->data(Qt::UserRole).toString());
            return true;
        }
    }
    return DocumentDialog::eventFilter(watched, event);
}
