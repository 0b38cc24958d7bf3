#include "framefixture.h"

#include "frame/folderview.h"
#include "generators/imagetagmarkup.h"
#include "generators/imgtagcfg.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

// The image tag dialog over a real folder tree: a site with its page, images
// in three formats (one with an upper-case extension), a broken image, a
// subfolder, and a sibling "site2" whose name begins with the site's.
class TestImgTagCfg : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_f.reset(); }
    void startsAtTheWorkingFolderWithEmptyBoxes();
    void choosingAFile_data();
    void choosingAFile();
    void leavingTheWorkingFolderWarnsOncePerDeparture();
    void returnInTheFolderListEntersTheFolderOnly();
    void okWritesTheTagAsOneUndoStep();
    void emptiedBoxesGiveABareTag();
    void cancelLeavesTheSourceAlone();

private:
    std::unique_ptr<FrameFixture> m_f;
    QString m_site;
    Form1 *m_doc = nullptr;
};

namespace {

// A GIF of one colour, written byte by byte: Qt reads GIF but can't write it.
// Every two pixels a clear code keeps the codes three bits wide.
QByteArray solidGif(int width, int height)
{
    QByteArray out("GIF89a");
    const auto word = [&out](int value) {
        out.append(char(value & 0xff));
        out.append(char((value >> 8) & 0xff));
    };
    word(width);
    word(height);
    out.append(char(0x80)); // a global table of two colours
    out.append(char(0));
    out.append(char(0));
    out.append(QByteArray("\xff\x00\x00\x00\x00\xff", 6));
    out.append(',');
    word(0);
    word(0);
    word(width);
    word(height);
    out.append(char(0));
    out.append(char(2)); // smallest code size

    QByteArray data;
    quint32 bits = 0;
    int count = 0;
    const auto code = [&](int value) {
        bits |= quint32(value) << count;
        count += 3;
        while (count >= 8) {
            data.append(char(bits & 0xff));
            bits >>= 8;
            count -= 8;
        }
    };
    for (int pixel = 0; pixel < width * height; ++pixel) {
        if (pixel % 2 == 0)
            code(4);
        code(0);
    }
    code(5);
    if (count > 0)
        data.append(char(bits & 0xff));
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append(char(0));
    out.append(';');
    return out;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void writeImage(const QString &path, int width, int height, const char *format)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(path, format));
}

// A red JPEG whose EXIF orientation tag tells viewers to turn it: the
// segment is written by hand (big-endian TIFF, one SHORT entry 0x0112).
QByteArray turnedJpeg(int width, int height, int orientation)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    const QByteArray exif = QByteArray("\xFF\xE1\x00\x22" "Exif\0\0" "MM\x00\x2A\x00\x00\x00\x08"
                                       "\x00\x01" "\x01\x12\x00\x03\x00\x00\x00\x01",
                                       4 + 6 + 8 + 2 + 8)
                            + char(0) + char(orientation) + QByteArray(6, '\0');
    return jpeg.insert(2, exif); // after the start-of-image marker
}

QStringList entries(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QListWidgetItem *itemOf(QListWidget *list, const QString &text, int role = Qt::DisplayRole)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->data(role).toString() == text)
            return list->item(i);
    return nullptr;
}

void clickFile(ImgTagCfg *dialog, const QString &name)
{
    QListWidgetItem *item = itemOf(dialog->File1(), name);
    QVERIFY2(item, qPrintable(name));
    dialog->File1()->scrollToItem(item);
    QTest::mouseClick(dialog->File1()->viewport(), Qt::LeftButton, {},
                      dialog->File1()->visualItemRect(item).center());
}

// A double-click on the folder's entry in the folder list.
void enterFolder(ImgTagCfg *dialog, const QString &folder)
{
    QListWidgetItem *item = itemOf(dialog->Dir1(), QDir::cleanPath(folder) + QLatin1Char('/'), Qt::UserRole);
    QVERIFY2(item, qPrintable(folder));
    dialog->Dir1()->scrollToItem(item);
    FrameFixture::doubleClick(dialog->Dir1()->viewport(), dialog->Dir1()->visualItemRect(item).center());
    QCOMPARE(dialog->dirPath(), QDir::cleanPath(folder) + QLatin1Char('/'));
}

QString sizeText(const QString &path)
{
    return QStringLiteral("サイズ:") + ImageTagMarkup::kilobytes(QFileInfo(path).size()) + QStringLiteral("KB");
}

// Every test image is red; JPEG only nearly so.
bool previewIsRed(const ImgTagCfg *dialog)
{
    const QImage shown = dialog->Picture1()->pixmap().toImage();
    if (shown.isNull())
        return false;
    const QColor middle = shown.pixelColor(shown.width() / 2, shown.height() / 2);
    return middle.red() > 220 && middle.green() < 40 && middle.blue() < 40;
}

template <typename Steps>
bool withImgTagCfg(Form1 *doc, Steps steps)
{
    return FrameFixture::whileModal<ImgTagCfg>([doc] { doc->menuItem("IDM_ADD_IMG")->trigger(); }, steps);
}

} // namespace

void TestImgTagCfg::init()
{
    m_f = std::make_unique<FrameFixture>();
    m_site = m_f->path(QStringLiteral("site"));
    writeBytes(m_site + QStringLiteral("/page.html"), "<html></html>");
    writeBytes(m_site + QStringLiteral("/logo.gif"), solidGif(120, 60));
    writeImage(m_site + QStringLiteral("/pic.png"), 30, 20, "PNG");
    writeImage(m_site + QStringLiteral("/img/photo.JPG"), 64, 48, "JPG");
    writeBytes(m_site + QStringLiteral("/phone/turned6.jpg"), turnedJpeg(120, 60, 6));
    writeBytes(m_site + QStringLiteral("/phone/upsidedown3.jpg"), turnedJpeg(120, 60, 3));
    writeBytes(m_site + QStringLiteral("/broken.png"), QByteArray(2048, 'x'));
    writeBytes(m_site + QStringLiteral("/notes.txt"), "not an image");
    writeBytes(m_f->path(QStringLiteral("site2/other.gif")), solidGif(10, 10));
    m_doc = m_f->openFile(m_site + QStringLiteral("/page.html"));
    QVERIFY(m_doc);
    QCOMPARE(QDir::cleanPath(m_f->frame->WorkDir), QDir::cleanPath(m_site));
}

void TestImgTagCfg::startsAtTheWorkingFolderWithEmptyBoxes()
{
    QVERIFY(withImgTagCfg(m_doc, [&](ImgTagCfg *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("画像タグ設定"));
        QCOMPARE(dialog->target(), m_doc);
        QCOMPARE(dialog->dirPath(), m_site + QLatin1Char('/'));
        QVERIFY(dialog->insideWorkDir());
        QCOMPARE(entries(dialog->File1()), QStringList({"broken.png", "logo.gif", "pic.png"}));
        QVERIFY(itemOf(dialog->Dir1(), QStringLiteral("img")));
        for (QLineEdit *box : {dialog->Text1(), dialog->Text2(), dialog->Text3(), dialog->Text4()})
            QVERIFY(box->text().isEmpty());
        QVERIFY(dialog->Check1()->isChecked());
        QCOMPARE(dialog->Check1()->text(), QStringLiteral("枠線を表示しない"));
        QVERIFY(dialog->Label5()->isVisible());
        QCOMPARE(dialog->Label5()->text(), QStringLiteral("空欄にしてOKを押すとその箇所の属性入力が省略されます"));
        QVERIFY(dialog->Command1()->isDefault());
        QCOMPARE(dialog->Command2()->text(), QStringLiteral("キャンセル(&C)"));
        enterFolder(dialog, m_site + QStringLiteral("/img"));
        QCOMPARE(entries(dialog->File1()), QStringList({"photo.JPG"}));
    }));
}

void TestImgTagCfg::choosingAFile_data()
{
    QTest::addColumn<QString>("folder"); // below the site
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("src");
    QTest::addColumn<bool>("decoded");
    QTest::newRow("gif in the working folder: the bare name as src")
        << QString() << "logo.gif" << "120" << "60" << "logo.gif" << true;
    QTest::newRow("JPG in a subfolder, upper-case extension: src with a slash")
        << "img" << "photo.JPG" << "64" << "48" << "img/photo.JPG" << true;
    QTest::newRow("png: decoded, with its size")
        << QString() << "pic.png" << "30" << "20" << "pic.png" << true;
    QTest::newRow("phone photo with EXIF orientation 6: width and height as browsers show it")
        << "phone" << "turned6.jpg" << "60" << "120" << "phone/turned6.jpg" << true;
    QTest::newRow("photo with EXIF orientation 3, upside down: nothing swapped")
        << "phone" << "upsidedown3.jpg" << "120" << "60" << "phone/upsidedown3.jpg" << true;
    QTest::newRow("broken image: the stand-in, the size boxes kept")
        << QString() << "broken.png" << "7" << "8" << "broken.png" << false;
}

void TestImgTagCfg::choosingAFile()
{
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, src);
    QFETCH(bool, decoded);
    QVERIFY(withImgTagCfg(m_doc, [&](ImgTagCfg *dialog) {
        if (!folder.isEmpty())
            enterFolder(dialog, m_site + QLatin1Char('/') + folder);
        dialog->Text1()->setText(QStringLiteral("7"));
        dialog->Text2()->setText(QStringLiteral("8"));
        clickFile(dialog, file);
        QCOMPARE(dialog->Text1()->text(), width);
        QCOMPARE(dialog->Text2()->text(), height);
        QCOMPARE(dialog->Text3()->text(), src);
        QCOMPARE(dialog->Text4()->text(), src + QLatin1Char(' ') + sizeText(m_site + QLatin1Char('/') + src));
        QVERIFY(!dialog->Label5()->isVisible());
        QCOMPARE(dialog->showsPlaceholder(), !decoded);
        QCOMPARE(previewIsRed(dialog), decoded);
        const QSize shown = dialog->Picture1()->pixmap().deviceIndependentSize().toSize();
        QVERIFY(!shown.isEmpty());
        if (decoded) // turned as the tag says
            QCOMPARE(shown.width() < shown.height(), width.toInt() < height.toInt());
        if (!decoded)
            QCOMPARE(dialog->Text4()->text(), QStringLiteral("broken.png サイズ:2KB"));
        QVERIFY(m_f->seam.messages.isEmpty());
    }));
}

void TestImgTagCfg::leavingTheWorkingFolderWarnsOncePerDeparture()
{
    const QString top = QDir::cleanPath(m_f->dir.path());
    const QString site2 = top + QStringLiteral("/site2");
    QVERIFY(withImgTagCfg(m_doc, [&](ImgTagCfg *dialog) {
        clickFile(dialog, QStringLiteral("logo.gif"));
        QCOMPARE(dialog->Text3()->text(), QStringLiteral("logo.gif"));

        enterFolder(dialog, top);
        QCOMPARE(m_f->seam.messages.size(), 1);
        QCOMPARE(m_f->seam.messages.first().icon, QMessageBox::Warning);
        QCOMPARE(m_f->seam.messages.first().title, QStringLiteral("注意"));
        QCOMPARE(m_f->seam.messages.first().text,
                 QStringLiteral("現在編集中のhtmlファイルがあるフォルダの階層よりも上の階層に行くと"
                                "SRC属性の値が自動取得できなくなります。"));
        QVERIFY(!dialog->insideWorkDir());
        QVERIFY(dialog->Text3()->text().isEmpty());

        // "site2" begins like "site" but lies beside it: still outside, and
        // no second warning.
        enterFolder(dialog, site2);
        QCOMPARE(m_f->seam.messages.size(), 1);
        QVERIFY(!dialog->insideWorkDir());
        clickFile(dialog, QStringLiteral("other.gif"));
        QCOMPARE(dialog->Text1()->text(), QStringLiteral("10"));
        QVERIFY(dialog->Text3()->text().isEmpty());
        QCOMPARE(dialog->Text4()->text(), sizeText(site2 + QStringLiteral("/other.gif")));

        // Back inside, the warning is armed again.
        enterFolder(dialog, top);
        enterFolder(dialog, m_site);
        QVERIFY(dialog->insideWorkDir());
        clickFile(dialog, QStringLiteral("pic.png"));
        QCOMPARE(dialog->Text3()->text(), QStringLiteral("pic.png"));
        enterFolder(dialog, top);
        QCOMPARE(m_f->seam.messages.size(), 2);
    }));
}

void TestImgTagCfg::returnInTheFolderListEntersTheFolderOnly()
{
    QVERIFY(withImgTagCfg(m_doc, [&](ImgTagCfg *dialog) {
        dialog->Dir1()->setFocus();
        dialog->Dir1()->setCurrentItem(itemOf(dialog->Dir1(), QStringLiteral("img")));
        QTest::keyClick(dialog->Dir1(), Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->dirPath(), m_site + QStringLiteral("/img/"));
    }));
    QCOMPARE(m_doc->richTextBox1()->Text(), QStringLiteral("<html></html>"));
}

void TestImgTagCfg::okWritesTheTagAsOneUndoStep()
{
    RichTextBox1 *box = m_doc->richTextBox1();
    box->setSelStart(6);
    QVERIFY(withImgTagCfg(m_doc, [&](ImgTagCfg *dialog) {
        // Keyboard only: into the file list, down to logo.gif, Return.
        dialog->File1()->setFocus();
        QTest::keyClick(dialog->File1(), Qt::Key_Home);
        QTest::keyClick(dialog->File1(), Qt::Key_Down);
        QCOMPARE(dialog->File1()->currentItem()->text(), QStringLiteral("logo.gif"));
        QTest::keyClick(dialog->File1(), Qt::Key_Return);
    }));
    const QString tag = QStringLiteral("<img src=\"logo.gif\" width=\"120\" height=\"60\" alt=\"logo.gif ") +
                        sizeText(m_site + QStringLiteral("/logo.gif")) + QStringLiteral("\" border=\"0\">");
    QCOMPARE(box->Text(), QStringLiteral("<html>") + tag + QStringLiteral("</html>"));
    QCOMPARE(box->SelStart(), qsizetype(6 + tag.size()));
    QVERIFY(box->hasFocus());
    box->Undo();
    QCOMPARE(box->Text(), QStringLiteral("<html></html>"));
}

void TestImgTagCfg::emptiedBoxesGiveABareTag()
{
    QVERIFY(withImgTagCfg(m_doc, [&](ImgTagCfg *dialog) {
        clickFile(dialog, QStringLiteral("logo.gif"));
        for (QLineEdit *box : {dialog->Text1(), dialog->Text2(), dialog->Text3(), dialog->Text4()}) {
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
        }
        FrameFixture::clickMark(dialog->Check1());
        QTest::mouseClick(dialog->Command1(), Qt::LeftButton);
    }));
    QCOMPARE(m_doc->richTextBox1()->Text(), QStringLiteral("<img><html></html>"));
}

void TestImgTagCfg::cancelLeavesTheSourceAlone()
{
    QVERIFY(withImgTagCfg(m_doc, [&](ImgTagCfg *dialog) {
        clickFile(dialog, QStringLiteral("logo.gif"));
        QTest::mouseClick(dialog->Command2(), Qt::LeftButton);
    }));
    QCOMPARE(m_doc->richTextBox1()->Text(), QStringLiteral("<html></html>"));
    QVERIFY(!m_doc->TextEdit);
}

QTEST_MAIN(TestImgTagCfg)
#include "tst_imgtagcfg.moc"
