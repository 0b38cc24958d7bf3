#include "framefixture.h"

#include "colours/swatchgrid.h"
#include "colours/swatchpalettedialog.h"
#include "generators/imgtagcfg.h"
#include "shared/twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolBar>

// The program on a screen scaled by two, as a high-density desktop runs it:
// every dialog the menus open shows all of its controls whole, designed
// sizes follow the screen's logical dpi, and pictures use the screen's pixels.
class TestScaledScreen : public QObject
{
    Q_OBJECT

private slots:
    void twipsFollowTheLogicalDpi_data();
    void twipsFollowTheLogicalDpi();
    void dialogsShowTheirControlsWhole_data();
    void dialogsShowTheirControlsWhole();
    void toolbarsShowTheirButtonsWhole();
    void paletteCaptionsFitTheirSwatches_data();
    void paletteCaptionsFitTheirSwatches();
    void imagePreviewUsesTheScreensPixels();
};

namespace {

QString describe(const QWidget *widget)
{
    QString text;
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        text = button->text();
    else if (const auto *label = qobject_cast<const QLabel *>(widget))
        text = label->text();
    else if (const auto *box = qobject_cast<const QGroupBox *>(widget))
        text = box->title();
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(), text);
}

QString withoutMnemonic(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("\\(&.\\)$")));
    return text.remove(QLatin1Char('&'));
}

// What a user would find cut off in `window`: a control reaching outside it,
// a caption wider than its control, a box shorter than its font needs.
QStringList clippedParts(QWidget *window)
{
    QStringList found;
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    for (QWidget *w : children) {
        if (!w->isVisibleTo(window) || w->isWindow())
            continue;
        const QRect inWindow(w->mapTo(window, QPoint(0, 0)), w->size());
        if (!window->rect().contains(inWindow))
            found << describe(w) + QStringLiteral(": outside the window");
        const QSize least = w->minimumSizeHint();
        if (auto *check = qobject_cast<QAbstractButton *>(w); check && !qobject_cast<QPushButton *>(w)) {
            if (w->width() < w->sizeHint().width())
                found << describe(w) + QStringLiteral(": narrower than its caption");
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            const int text = button->fontMetrics().horizontalAdvance(withoutMnemonic(button->text()));
            if (!button->text().isEmpty() && button->width() < text + 4)
                found << describe(w) + QStringLiteral(": narrower than its caption");
        } else if (auto *label = qobject_cast<QLabel *>(w); label && !label->wordWrap() && !label->text().isEmpty()) {
            if (w->width() < w->sizeHint().width() || w->height() < label->fontMetrics().height())
                found << describe(w) + QStringLiteral(": smaller than its text");
        } else if (auto *box = qobject_cast<QGroupBox *>(w)) {
            if (w->width() < box->fontMetrics().horizontalAdvance(box->title()))
                found << describe(w) + QStringLiteral(": narrower than its title");
        }
        const bool ownBox = qobject_cast<QLineEdit *>(w) && !qobject_cast<QComboBox *>(w->parentWidget());
        if ((ownBox || qobject_cast<QComboBox *>(w)) && w->height() < least.height())
            found << describe(w) + QStringLiteral(": shorter than its font");
    }
    return found;
}

} // namespace

void TestScaledScreen::twipsFollowTheLogicalDpi_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("inches100"); // the same length in hundredths of an inch
    QTest::newRow("an inch") << 1440 << 100;
    QTest::newRow("a tab's width") << 1515 << 105;
    QTest::newRow("a swatch's height") << 165 << 11;
}

void TestScaledScreen::twipsFollowTheLogicalDpi()
{
    QFETCH(int, twips);
    QFETCH(int, inches100);
    QWidget widget;
    QCOMPARE(widget.devicePixelRatioF(), 2.0);
    // Layout units, not the screen's doubled pixels: a designed size keeps its
    // place beside the fonts, which Qt scales by the same factor.
    const int expected = qRound(inches100 * widget.logicalDpiY() / 100.0);
    QVERIFY2(qAbs(Twips::toPixels(twips, &widget) - expected) <= 1, qPrintable(QString::number(Twips::toPixels(twips, &widget))));
    QVERIFY(Twips::toPixels(twips, &widget) < twips / 10);
}

void TestScaledScreen::dialogsShowTheirControlsWhole_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("find") << "IDM_FIND";
    QTest::newRow("replace") << "IDM_REPLACE";
    QTest::newRow("page settings") << "IDM_EDIT_PGPROP";
    QTest::newRow("page colours") << "IDM_EDIT_PGTHEME";
    QTest::newRow("table") << "IDM_ADD_TABLE";
    QTest::newRow("image tag") << "IDM_ADD_IMG";
    QTest::newRow("gradation") << "IDM_MAKE_GRADATION";
    QTest::newRow("W3C 16 colours") << "IDM_ADD_COLOR_W3C";
    QTest::newRow("common 94 colours") << "IDM_ADD_COLOR94";
    QTest::newRow("browser 141 colours") << "IDM_ADD_COLOR141";
    QTest::newRow("web-safe 216 colours") << "IDM_WebSafe";
    QTest::newRow("about") << "IDM_ABOUT";
}

void TestScaledScreen::dialogsShowTheirControlsWhole()
{
    QFETCH(QString, item);
    FrameFixture f;
    Form1 *doc = f.active();
    QStringList found;
    QString title;
    const auto look = [&](QWidget *dialog) {
        title = dialog->windowTitle();
        found = clippedParts(dialog);
        dialog->close();
    };
    QTimer::singleShot(0, [&] {
        if (QWidget *dialog = QApplication::activeModalWidget())
            look(dialog);
    });
    doc->menuItem(item)->trigger();
    FrameFixture::settle();
    // The find dialogs stay open beside the document.
    if (title.isEmpty())
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<QDialog *>(w) && w->isVisible())
                look(w);
    FrameFixture::settle();
    QVERIFY2(!title.isEmpty(), "no dialog came up");
    QVERIFY2(found.isEmpty(), qPrintable(title + QStringLiteral(": ") + found.join(QStringLiteral("; "))));
}

void TestScaledScreen::toolbarsShowTheirButtonsWhole()
{
    FrameFixture f;
    for (QToolBar *bar : f.frame->findChildren<QToolBar *>()) {
        if (!bar->isVisible())
            continue;
        // Each button is whole inside its bar, none pushed into the overflow.
        for (QAction *action : bar->actions()) {
            QWidget *button = bar->widgetForAction(action);
            if (!button || action->isSeparator())
                continue;
            QVERIFY2(button->isVisible(), qPrintable(bar->objectName() + QLatin1Char(' ') + action->objectName()));
            const QRect inBar(button->mapTo(bar, QPoint(0, 0)), button->size());
            QVERIFY2(bar->rect().contains(inBar), qPrintable(bar->objectName() + QLatin1Char(' ') + action->objectName()));
        }
        const QStringList found = clippedParts(bar);
        QVERIFY2(found.isEmpty(), qPrintable(bar->objectName() + QStringLiteral(": ") + found.join(QStringLiteral("; "))));
    }
}

void TestScaledScreen::paletteCaptionsFitTheirSwatches_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("W3C 16 colours, beside their cross marks") << "IDM_ADD_COLOR_W3C";
    QTest::newRow("common 94 colours: mediumaquamarine") << "IDM_ADD_COLOR94";
    QTest::newRow("browser 141 colours: lightgoldenrodyellow") << "IDM_ADD_COLOR141";
}

void TestScaledScreen::paletteCaptionsFitTheirSwatches()
{
    QFETCH(QString, item);
    FrameFixture f;
    QStringList cut;
    int smaller = 0;
    const bool shown = FrameFixture::whileModal<SwatchPaletteDialog>(
        [&] { f.active()->menuItem(item)->trigger(); },
        [&](SwatchPaletteDialog *dialog) {
            const SwatchGrid *grid = dialog->swatchGrid();
            const QFont usual = grid->captionFont(grid->indexOf(QStringLiteral("black")));
            for (int i = 0; i < grid->swatches().size(); ++i) {
                const QFont font = grid->captionFont(i);
                const QString &caption = grid->swatches().at(i).caption;
                if (QFontMetrics(font).horizontalAdvance(caption) > grid->captionRect(i).width())
                    cut << caption;
                if (font.pixelSize() < usual.pixelSize())
                    ++smaller;
                // Every caption still reads: never below a small but legible size.
                QVERIFY(font.pixelSize() >= 6);
            }
        });
    QVERIFY(shown);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char(' '))));
    // Only the long names are made smaller; the others keep the grid's size.
    QVERIFY2(smaller <= 6, qPrintable(QString::number(smaller)));
}

void TestScaledScreen::imagePreviewUsesTheScreensPixels()
{
    FrameFixture f;
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int x = 0; x < picture.width(); x += 2)
        for (int y = 0; y < picture.height(); ++y)
            picture.setPixel(x, y, 0xff000000);
    QVERIFY(picture.save(f.path(QStringLiteral("stripes.png"))));
    Form1 *doc = f.openFile(f.writeFile(QStringLiteral("page.html"), "<p>x</p>"));
    QVERIFY(doc);
    QPixmap shown;
    QSize box;
    QVERIFY(FrameFixture::whileModal<ImgTagCfg>([doc] { doc->menuItem(QStringLiteral("IDM_ADD_IMG"))->trigger(); },
                                                [&](ImgTagCfg *dialog) {
                                                    QListWidget *files = dialog->File1();
                                                    QCOMPARE(files->count(), 1);
                                                    QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                                                                      files->visualItemRect(files->item(0)).center());
                                                    shown = dialog->Picture1()->pixmap();
                                                    box = dialog->Picture1()->contentsRect().size();
                                                }));
    QVERIFY(!shown.isNull());
    // As many pixels as the screen shows there, not half as many blown up.
    QCOMPARE(shown.devicePixelRatio(), 2.0);
    QVERIFY2(shown.width() == box.width() * 2 || shown.height() == box.height() * 2,
             qPrintable(QStringLiteral("%1x%2 in %3x%4").arg(shown.width()).arg(shown.height()).arg(box.width()).arg(box.height())));
}

int main(int argc, char *argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestScaledScreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scaledscreen.moc"
