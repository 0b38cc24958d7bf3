#include "framefixture.h"
#include "modaldialog.h"

#include "colours/form3.h"
#include "colours/form5.h"
#include "colours/form6.h"
#include "colours/form7.h"
#include "colours/palette94.h"
#include "colours/swatchgrid.h"
#include "colours/websafegrid.h"
#include "colours/websafepicture.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

// The colour menu of a document window: the four palette dialogs with the
// protocol they share, their swatches, and the full-colour entry.
class TestPaletteDialogs : public QObject
{
    Q_OBJECT

private slots:
    void tagMenuHoldsTheColourItemsAndPageDialogs();
    void dialogWritesIntoTheWindowThatOpenedIt_data();
    void dialogWritesIntoTheWindowThatOpenedIt();
    void inputReplacesTheSelection_data();
    void inputReplacesTheSelection();
    void swatchClicks_data();
    void swatchClicks();
    void webSafePicture_data();
    void webSafePicture();
    void swatchesReachedWithoutAMouse_data();
    void swatchesReachedWithoutAMouse();
    void clickHintFollowsTheBox();
    void everyCaptionFitsItsSwatch_data();
    void everyCaptionFitsItsSwatch();
    void fullColourEntry_data();
    void fullColourEntry();
    void fullColourEntryReachesTheSourceWhateverHasTheFocus();
};

namespace {

// Runs `drive` on whichever palette dialog the menu item opens.
std::shared_ptr<bool> driveAnyPalette(const std::function<void(PaletteDialog *)> &drive)
{
    return whenShown<PaletteDialog>(drive);
}

void clickSwatch(SwatchPaletteDialog *dialog, const QString &name)
{
    SwatchGrid *grid = dialog->swatchGrid();
    const int index = grid->indexOf(name);
    QVERIFY2(index >= 0, qPrintable(name));
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->swatchRect(index).center());
}

// Where the swatch of that name lies in the widget that shows it.
QRect swatchOf(QWidget *swatches, const QString &name)
{
    if (auto *grid = qobject_cast<SwatchGrid *>(swatches))
        return grid->swatchRect(grid->indexOf(name));
    for (int column = 0; column < WebSafePicture::kColumns; ++column)
        for (int row = 0; row < WebSafePicture::kRows; ++row)
            if (Palette94::bintobin(WebSafePicture::swatchColour(column, row)) == name)
                return QRect(WebSafePicture::kLeft + WebSafePicture::kStepX * column,
                             WebSafePicture::kTop + WebSafePicture::kStepY * row, WebSafePicture::kSwatchWidth,
                             WebSafePicture::kSwatchHeight);
    return QRect();
}
} // namespace

void TestPaletteDialogs::tagMenuHoldsTheColourItemsAndPageDialogs()
{
    FrameFixture f;
    Form1 *doc = f.active();
    QMenu *colours = doc->menuItem(QStringLiteral("IDM_ADD_COLOR"))->menu();
    QCOMPARE(FrameFixture::itemNames(colours), QStringList({"IDM_ADD_COLOR_W3C", "IDM_ADD_COLOR94", "IDM_ADD_COLOR141",
                                              "IDM_WebSafe", "IDM_ADD_BINCOLOR"}));
    QStringList captions;
    for (QAction *action : colours->actions())
        captions << action->text();
    QCOMPARE(captions, QStringList({"W3C準拠16色", "256色時WinMac共通94色", "NN,IE共通定義141色",
                                    "Webセーフカラー216色", "フルカラー色数値"}));
    const QStringList tagMenu = FrameFixture::itemNames(doc->menuItem(QStringLiteral("IDM_ADD"))->menu());
    const qsizetype normal = tagMenu.indexOf(QStringLiteral("IDM_NORMAL"));
    QVERIFY(normal > tagMenu.indexOf(QStringLiteral("IDM_ADD_COLOR")));
    QCOMPARE(tagMenu.indexOf(QStringLiteral("IDM_EDIT_PGPROP")), normal + 1);
    QCOMPARE(tagMenu.indexOf(QStringLiteral("IDM_EDIT_PGTHEME")), normal + 2);
    QCOMPARE(doc->menuItem(QStringLiteral("IDM_EDIT_PGPROP"))->text(), QStringLiteral("ページ設定入力(&P)"));
    QCOMPARE(doc->menuItem(QStringLiteral("IDM_EDIT_PGPROP"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+F2")));
    QCOMPARE(doc->menuItem(QStringLiteral("IDM_EDIT_PGTHEME"))->text(), QStringLiteral("ページ配色設定(&T)"));
    QCOMPARE(doc->menuItem(QStringLiteral("IDM_EDIT_PGTHEME"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+F3")));
}

void TestPaletteDialogs::dialogWritesIntoTheWindowThatOpenedIt_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("dialogName");
    QTest::addColumn<QString>("caption");
    QTest::newRow("W3C names") << "IDM_ADD_COLOR_W3C" << "Form3" << "W3C準拠色入力";
    QTest::newRow("common 94") << "IDM_ADD_COLOR94" << "Form5" << "256色環境Win,Mac共通色";
    QTest::newRow("browser names") << "IDM_ADD_COLOR141" << "Form6" << "IE,NN共通141色";
    QTest::newRow("web-safe") << "IDM_WebSafe" << "Form7" << "Webセーフカラー216色";
}

void TestPaletteDialogs::dialogWritesIntoTheWindowThatOpenedIt()
{
    QFETCH(QString, item);
    QFETCH(QString, dialogName);
    QFETCH(QString, caption);
    FrameFixture f;
    Form1 *first = f.active();
    f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    Form1 *second = f.active();
    QVERIFY(second != first);
    first->richTextBox1()->setText(QStringLiteral("one"));
    second->richTextBox1()->setText(QStringLiteral("two"));
    second->richTextBox1()->setSelStart(3);
    // The first window was the active one last; the dialog still writes into
    // the window whose menu opened it.
    first->Form_Activate();
    QString seenName, seenCaption, seenText1;
    auto shown = driveAnyPalette([&](PaletteDialog *dialog) {
        seenName = dialog->objectName();
        seenCaption = dialog->windowTitle();
        seenText1 = dialog->Text1()->text();
        dialog->Text1()->setFocus();
        QTest::keyClicks(dialog->Text1(), QStringLiteral(" teal"));
        QTest::keyClick(dialog->Text1(), Qt::Key_Return);
    });
    QVERIFY(second->runByName(item));
    QVERIFY(*shown);
    QCOMPARE(seenName, dialogName);
    QCOMPARE(seenCaption, caption);
    QCOMPARE(seenText1, QString());
    QCOMPARE(second->richTextBox1()->Text(), QStringLiteral("two teal"));
    QCOMPARE(first->richTextBox1()->Text(), QStringLiteral("one"));
    QCOMPARE(second->richTextBox1()->window()->focusWidget(), second->richTextBox1());
}

void TestPaletteDialogs::inputReplacesTheSelection_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("expected");
    // "ab[cd]ef": the middle two are selected.
    QTest::newRow("入力 with a name replaces the selection") << "red" << "input" << "abredef";
    QTest::newRow("入力 with Text1 empty removes the selection") << "" << "input" << "abef";
    QTest::newRow("キャンセル writes nothing") << "red" << "cancel" << "abcdef";
    QTest::newRow("Escape writes nothing") << "red" << "escape" << "abcdef";
}

void TestPaletteDialogs::inputReplacesTheSelection()
{
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(QString, expected);
    FrameFixture f;
    Form1 *doc = f.active();
    RichTextBox1 *box = doc->richTextBox1();
    box->setText(QStringLiteral("abcdef"));
    box->setSelStart(2);
    box->setSelLength(2);
    auto shown = driveAnyPalette([&](PaletteDialog *dialog) {
        QTest::keyClicks(dialog->Text1(), typed);
        if (how == "input")
            QTest::mouseClick(dialog->Command1(), Qt::LeftButton);
        else if (how == "cancel")
            QTest::mouseClick(dialog->Command2(), Qt::LeftButton);
        else
            QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QVERIFY(doc->runByName(QStringLiteral("IDM_ADD_COLOR_W3C")));
    QVERIFY(*shown);
    QCOMPARE(box->Text(), expected);
    if (expected != QStringLiteral("abcdef")) {
        box->Undo();
        QCOMPARE(box->Text(), QStringLiteral("abcdef"));
    }
}

void TestPaletteDialogs::swatchClicks_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("toggles"); // check boxes clicked before the swatch
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<QString>("text1");
    QTest::newRow("W3C as opened: the name") << "IDM_ADD_COLOR_W3C" << QStringList() << "teal" << "teal";
    QTest::newRow("W3C, hexadecimal ticked: the fixed code") << "IDM_ADD_COLOR_W3C" << QStringList{"Check1"}
                                                             << "teal" << "#008080";
    QTest::newRow("browser names as opened: the code of its own colour")
        << "IDM_ADD_COLOR141" << QStringList() << "dodgerblue" << "#1B90FF";
    QTest::newRow("browser names, hexadecimal unticked: the whole name of the shortened swatch")
        << "IDM_ADD_COLOR141" << QStringList{"Check1"} << "mediumspringgreen" << "mediumspringgreen";
    QTest::newRow("94 as opened: the simulated colour") << "IDM_ADD_COLOR94" << QStringList() << "coral" << "#FF6666";
    QTest::newRow("94 without simulation: the full colour") << "IDM_ADD_COLOR94" << QStringList{"Check2"} << "coral"
                                                            << "#FF7F50";
    QTest::newRow("94, simulation off and on again") << "IDM_ADD_COLOR94" << QStringList{"Check2", "Check2"}
                                                     << "midnightblue" << "#000066";
    QTest::newRow("94, names: coral whatever the simulation") << "IDM_ADD_COLOR94" << QStringList{"Check1", "Check2"}
                                                              << "coral" << "coral";
}

void TestPaletteDialogs::swatchClicks()
{
    QFETCH(QString, item);
    QFETCH(QStringList, toggles);
    QFETCH(QString, swatch);
    QFETCH(QString, text1);
    FrameFixture f;
    Form1 *doc = f.active();
    QString seen;
    auto shown = whenShown<SwatchPaletteDialog>([&](SwatchPaletteDialog *dialog) {
        for (const QString &name : toggles)
            QTest::mouseClick(dialog->findChild<QCheckBox *>(name), Qt::LeftButton);
        clickSwatch(dialog, swatch);
        seen = dialog->Text1()->text();
        QTest::mouseClick(dialog->Command1(), Qt::LeftButton);
    });
    QVERIFY(doc->runByName(item));
    QVERIFY(*shown);
    QCOMPARE(seen, text1);
    QCOMPARE(doc->richTextBox1()->Text(), text1);
}

void TestPaletteDialogs::webSafePicture_data()
{
    QTest::addColumn<QList<QPoint>>("presses");
    QTest::addColumn<QString>("text1");
    QTest::newRow("inside the top-left swatch") << QList<QPoint>{{15, 10}} << "#330000";
    QTest::newRow("inside the bottom-left swatch") << QList<QPoint>{{15, 3 + 17 * 11 + 7}} << "#000000";
    QTest::newRow("inside the top-right swatch") << QList<QPoint>{{2 + 30 * 17 + 13, 10}} << "#FFFF00";
    QTest::newRow("a swatch's lower edge: white") << QList<QPoint>{{15, 3 + 13}} << "#FFFFFF";
    QTest::newRow("a swatch's left edge: the shadow") << QList<QPoint>{{2, 10}} << "#ACA899";
    QTest::newRow("a swatch, then the ground between swatches: the box keeps the swatch")
        << QList<QPoint>{{15, 10}, {30, 10}} << "#330000";
}

void TestPaletteDialogs::webSafePicture()
{
    QFETCH(QList<QPoint>, presses);
    QFETCH(QString, text1);
    FrameFixture f;
    Form1 *doc = f.active();
    QString seen;
    auto shown = whenShown<Form7>([&](Form7 *dialog) {
        for (const QPoint &at : presses)
            QTest::mouseClick(dialog->Picture1(), Qt::RightButton, {}, at);
        seen = dialog->Text1()->text();
    });
    QVERIFY(doc->runByName(QStringLiteral("IDM_WebSafe")));
    QVERIFY(*shown);
    QCOMPARE(seen, text1);
    QCOMPARE(doc->richTextBox1()->Text(), QString());
}

void TestPaletteDialogs::swatchesReachedWithoutAMouse_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("keys"); // typed once Tab has reached the swatches: arrows, blank, ⏎ for Return
    QTest::addColumn<int>("swatches");
    QTest::addColumn<QString>("name"); // the swatch the keys end on, as a screen reader hears it
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QPoint>("mark"); // a black pixel of the keyboard's mark, from the swatch's top left

    QTest::newRow("W3C: right to red, down past the gap to fuchsia, Space") << "IDM_ADD_COLOR_W3C" << "→↓↓ " << 16
                                                                           << "fuchsia" << "fuchsia" << QPoint();
    QTest::newRow("94: left at the edge stays, down to bisque, Return: its simulated code")
        << "IDM_ADD_COLOR94" << "←↓⏎" << 94 << "bisque" << "#CC9999" << QPoint();
    QTest::newRow("browser names: the shortened swatch is named in full")
        << "IDM_ADD_COLOR141" << "→→→→" + QString(19, QChar(0x2193)) + " " << 140 << "mediumspringgreen"
        << "#00FA9A" << QPoint();
    QTest::newRow("web-safe: right twice, down, up, down, Return: the swatch's own code")
        << "IDM_WebSafe" << "→→↓↑↓⏎" << 216 << "#336633" << "#336633" << QPoint(-2, -2);
}

void TestPaletteDialogs::swatchesReachedWithoutAMouse()
{
    QFETCH(QString, item);
    QFETCH(QString, keys);
    QFETCH(int, swatches);
    QFETCH(QString, name);
    QFETCH(QString, text1);
    QFETCH(QPoint, mark);
    const QHash<QChar, Qt::Key> keyOf{{QChar(0x2190), Qt::Key_Left},  {QChar(0x2192), Qt::Key_Right},
                                      {QChar(0x2191), Qt::Key_Up},    {QChar(0x2193), Qt::Key_Down},
                                      {QLatin1Char(' '), Qt::Key_Space}, {QChar(0x23CE), Qt::Key_Return}};
    FrameFixture f;
    Form1 *doc = f.active();
    auto shown = whenShown<PaletteDialog>([&](PaletteDialog *dialog) {
        QWidget *picker = dialog->findChild<QWidget *>(QStringLiteral("swatches"));
        if (!picker)
            picker = dialog->findChild<QWidget *>(QStringLiteral("Picture1"));
        for (int i = 0; i < 8 && !picker->hasFocus(); ++i)
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        QVERIFY2(picker->hasFocus(), "Tab reaches the swatches");
        for (const QChar key : keys)
            QTest::keyClick(picker, keyOf.value(key));
        QCOMPARE(dialog->Text1()->text(), text1);
        QVERIFY(dialog->isVisible());

        QAccessibleInterface *all = QAccessible::queryAccessibleInterface(picker);
        QVERIFY(!all->text(QAccessible::Name).isEmpty());
        QCOMPARE(all->childCount(), swatches);
        QAccessibleInterface *focused = all->focusChild();
        QVERIFY(focused);
        QCOMPARE(focused->text(QAccessible::Name), name);
        QCOMPARE(focused->role(), QAccessible::Button);
        const QRect swatch = swatchOf(picker, name);
        QCOMPARE(focused->rect(), QRect(picker->mapToGlobal(swatch.topLeft()), swatch.size()));
        QCOMPARE(all->child(all->indexOfChild(focused)), focused);
        QCOMPARE(QColor(picker->grab().toImage().pixel(swatch.topLeft() + mark)), QColor(Qt::black));
    });
    QVERIFY(doc->runByName(item));
    QVERIFY(*shown);
}

void TestPaletteDialogs::clickHintFollowsTheBox()
{
    FrameFixture f;
    Form1 *doc = f.active();
    QList<bool> hint, note;
    auto shown = whenShown<Form3>([&](Form3 *dialog) {
        hint << dialog->Label1(0)->isVisible();
        note << dialog->Label1(1)->isVisible();
        clickSwatch(dialog, QStringLiteral("red"));
        hint << dialog->Label1(0)->isVisible();
        dialog->Text1()->clear();
        hint << dialog->Label1(0)->isVisible();
        QTest::mouseClick(dialog->Check1(), Qt::LeftButton);
        note << dialog->Label1(1)->isVisible();
        QTest::mouseClick(dialog->Check1(), Qt::LeftButton);
        note << dialog->Label1(1)->isVisible();
    });
    QVERIFY(doc->runByName(QStringLiteral("IDM_ADD_COLOR_W3C")));
    QVERIFY(*shown);
    QCOMPARE(hint, QList<bool>({true, false, true}));
    QCOMPARE(note, QList<bool>({true, false, true}));
}

void TestPaletteDialogs::fullColourEntry_data()
{
    QTest::addColumn<QColor>("answer");
    QTest::addColumn<QString>("expected");
    QTest::newRow("black") << QColor(0, 0, 0) << "ab#000000cd";
    QTest::newRow("pure red") << QColor(255, 0, 0) << "ab#FF0000cd";
    QTest::newRow("RGB(10, 11, 12)") << QColor(10, 11, 12) << "ab#0A0B0Ccd";
    QTest::newRow("cancelled: the source unchanged") << QColor() << "abcd";
}

void TestPaletteDialogs::fullColourEntry()
{
    QFETCH(QColor, answer);
    QFETCH(QString, expected);
    FrameFixture f;
    Form1 *doc = f.active();
    RichTextBox1 *box = doc->richTextBox1();
    box->setText(QStringLiteral("abcd"));
    box->setSelStart(2);
    f.seam.colours << answer;
    QVERIFY(doc->runByName(QStringLiteral("IDM_ADD_BINCOLOR")));
    FrameFixture::settle();
    QCOMPARE(box->Text(), expected);
    QVERIFY(f.seam.colours.isEmpty());
}

void TestPaletteDialogs::fullColourEntryReachesTheSourceWhateverHasTheFocus()
{
    FrameFixture f;
    Form1 *doc = f.active();
    RichTextBox1 *box = doc->richTextBox1();
    // Another window holds the keyboard when the colour dialog has closed.
    QLineEdit elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    elsewhere.setFocus();
    FrameFixture::settle();
    f.seam.colours << QColor(10, 11, 12);
    QVERIFY(doc->runByName(QStringLiteral("IDM_ADD_BINCOLOR")));
    FrameFixture::settle();
    QCOMPARE(box->Text(), QStringLiteral("#0A0B0C"));
    QCOMPARE(elsewhere.text(), QString());
}

void TestPaletteDialogs::everyCaptionFitsItsSwatch_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("longName"); // a name too long for a swatch at the caption's size; may be empty
    QTest::newRow("W3C 16") << "IDM_ADD_COLOR_W3C" << QString();
    QTest::newRow("common 94") << "IDM_ADD_COLOR94" << "mediumaquamarine";
    QTest::newRow("browsers 141") << "IDM_ADD_COLOR141" << "lightgoldenrodyellow";
}

void TestPaletteDialogs::everyCaptionFitsItsSwatch()
{
    QFETCH(QString, item);
    QFETCH(QString, longName);
    FrameFixture f;
    Form1 *doc = f.active();
    const auto shown = whenShown<SwatchPaletteDialog>([&](SwatchPaletteDialog *dialog) {
        SwatchGrid *grid = dialog->swatchGrid();
        const int usual = grid->captionFont(grid->indexOf(QStringLiteral("black"))).pixelSize();
        for (int i = 0; i < grid->swatches().size(); ++i) {
            const PaletteSwatch &swatch = grid->swatches().at(i);
            const QFont font = grid->captionFont(i);
            QVERIFY2(QFontMetrics(font).horizontalAdvance(swatch.caption) <= grid->captionRect(i).width(),
                     qPrintable(swatch.caption));
            // Made smaller only when it has to be.
            QFont asUsual = font;
            asUsual.setPixelSize(usual);
            if (QFontMetrics(asUsual).horizontalAdvance(swatch.caption) <= grid->captionRect(i).width())
                QCOMPARE(font.pixelSize(), usual);
        }
        if (!longName.isEmpty())
            QVERIFY(grid->captionFont(grid->indexOf(longName)).pixelSize() < usual);
    });
    doc->menuItem(item)->trigger();
    QVERIFY(*shown);
}

QTEST_MAIN(TestPaletteDialogs)
#include "tst_palettedialogs.moc"
