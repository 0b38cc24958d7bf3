#include "framefixture.h"

#include "commands/tagtoolbar.h"
#include "commands/tagtoolbarlayout.h"
#include "document/tvofuncs.h"
#include "shared/toolbaricons.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QSet>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

// The tag toolbar in a running frame: its buttons and menus as a user meets
// them, and every key followed to the markup it leaves in the document.
class TestTagToolbar : public QObject
{
    Q_OBJECT

private slots:
    void placesInOrder();
    void buttonsCarryKeyTooltipAndName();
    void dropDownsListTheirEntries();
    void buttonClick_data();
    void buttonClick();
    void menuChoice_data();
    void menuChoice();
    void arrowOpensTheMenuForTheKeyboard();
    void actsOnTheActiveDocumentOnly();
    void followsTheEditCommands();
    void iconsAreDrawnAndDistinct();
};

namespace {

const QString kSkeleton = QStringLiteral("<html>\r\n<head>\r\n<title>新規Webページ</title>\r\n</head>\r\n"
                                         "<body>\r\n\r\n\r\n</body>\r\n</html>");

QString accessibleName(QObject *object)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QStringLiteral("(no interface)");
}

void clickButton(TagToolbar *bar, const QString &key)
{
    QToolButton *button = bar->button(key);
    // The left edge: on a drop-down button the arrow is on the right.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    FrameFixture::settle();
}

void chooseEntry(TagToolbar *bar, const QString &buttonKey, const QString &entryKey)
{
    QMenu *menu = bar->dropDown(buttonKey);
    QVERIFY(menu);
    QAction *entry = nullptr;
    for (QAction *action : menu->actions())
        if (action->objectName() == entryKey)
            entry = action;
    QVERIFY(entry);
    QToolButton *button = bar->button(buttonKey);
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
    FrameFixture::settle();
    QVERIFY(!menu->isVisible());
}

// Stands in for a document's menu item, so that items whose dialog opens
// modally can be followed without opening it: the real item, if any, is set
// aside under another name while the test runs.
QAction *installProbe(Form1 *doc, const QString &name)
{
    if (QAction *real = doc->menuItem(name))
        real->setObjectName(name + QStringLiteral("_set_aside"));
    QAction *probe = doc->menus().first()->addAction(QStringLiteral("probe"));
    probe->setObjectName(name);
    return probe;
}

void addColumns()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("typed"); // typed into an empty document, then selected
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("probe"); // a menu item to follow instead of the text
}

void runRow(bool fromMenu)
{
    QFETCH(QString, key);
    QFETCH(QString, entry);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(QString, probe);
    FrameFixture f;
    f.seam.colours << QColor(255, 127, 80);
    Form1 *doc = f.active();
    RichTextBox1 *box = doc->richTextBox1();
    f.type(typed);
    box->setSelStart(0);
    box->setSelLength(typed.size());
    std::unique_ptr<QSignalSpy> spy;
    if (!probe.isEmpty())
        spy = std::make_unique<QSignalSpy>(installProbe(doc, probe), &QAction::triggered);

    if (fromMenu)
        chooseEntry(f.frame->Toolbar5(), key, entry);
    else
        clickButton(f.frame->Toolbar5(), key);
    FrameFixture::settle();

    QCOMPARE(box->Text(), expected);
    if (spy)
        QCOMPARE(spy->count(), 1);
    QCOMPARE(f.frame->documents().size(), 1);
}

} // namespace

void TestTagToolbar::placesInOrder()
{
    FrameFixture f;
    QStringList places;
    for (QAction *action : f.frame->Toolbar5()->actions())
        places << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    QCOMPARE(places.join(QLatin1Char(' ')),
             QStringLiteral("main - strong_tag italic_tag underline_tag strike_tag a_tag - br_tag - p_tag hx_tag - "
                            "table_set img_tag - w3c 94color 141color websafe fullColor - mk_grad"));
    QCOMPARE(places.size(), 23);
    QVERIFY(f.frame->Toolbar5()->isVisible());
    QCOMPARE(f.frame->Toolbar5()->objectName(), QStringLiteral("Toolbar5"));
}

void TestTagToolbar::buttonsCarryKeyTooltipAndName()
{
    FrameFixture f;
    TagToolbar *bar = f.frame->Toolbar5();
    int dropDowns = 0;
    for (const TagToolbarButton &place : TagToolbarLayout::buttons()) {
        if (place.separator)
            continue;
        QToolButton *button = bar->button(place.key);
        QVERIFY2(button, qPrintable(place.key));
        QCOMPARE(button->objectName(), place.key);
        QCOMPARE(button->toolTip(), place.toolTip);
        QVERIFY2(!accessibleName(button).isEmpty(), qPrintable(place.key));
        QCOMPARE(accessibleName(button), place.accessibleName);
        const bool dropDown = button->popupMode() == QToolButton::MenuButtonPopup && button->menu();
        QCOMPARE(dropDown, place.hasDropDown());
        dropDowns += dropDown;
    }
    QCOMPARE(dropDowns, 7);
    // The gradation button shows no tooltip but still has a name to be read out.
    QCOMPARE(bar->button(QStringLiteral("mk_grad"))->toolTip(), QString());
    QCOMPARE(accessibleName(bar->button(QStringLiteral("mk_grad"))), QStringLiteral("グラデーション作成"));
    QCOMPARE(accessibleName(bar->button(QStringLiteral("strong_tag"))), QStringLiteral("太字タグ挿入"));
}

void TestTagToolbar::dropDownsListTheirEntries()
{
    FrameFixture f;
    TagToolbar *bar = f.frame->Toolbar5();
    for (const TagToolbarButton &place : TagToolbarLayout::buttons()) {
        if (!place.hasDropDown())
            continue;
        QMenu *menu = bar->dropDown(place.key);
        QVERIFY2(menu, qPrintable(place.key));
        const QList<QAction *> items = menu->actions();
        QCOMPARE(items.size(), place.menu.size());
        QAccessibleInterface *menuFace = QAccessible::queryAccessibleInterface(menu);
        QVERIFY(menuFace);
        QCOMPARE(menuFace->childCount(), int(items.size()));
        for (qsizetype i = 0; i < items.size(); ++i) {
            QCOMPARE(items.at(i)->objectName(), place.menu.at(i).key);
            QCOMPARE(items.at(i)->text(), place.menu.at(i).caption);
            QCOMPARE(menuFace->child(int(i))->text(QAccessible::Name), place.menu.at(i).caption);
        }
    }
    // Captions with angle brackets are shown and read as written.
    QCOMPARE(bar->dropDown(QStringLiteral("strike_tag"))->actions().at(2)->text(),
             QStringLiteral("打ち消し線<DEL>(NN4x未対応)"));
    QCOMPARE(bar->dropDown(QStringLiteral("hx_tag"))->actions().at(5)->text(), QStringLiteral("レベル6見出し--H6"));
}

void TestTagToolbar::buttonClick_data()
{
    addColumns();
    const QString none;
    QTest::newRow("main: the skeleton, not a dialog") << "main" << none << "" << kSkeleton << none;
    QTest::newRow("the button strong_tag writes b, not strong")
        << "strong_tag" << none << "abc" << "<b>abc</b>" << none;
    QTest::newRow("italic") << "italic_tag" << none << "abc" << "<i>abc</i>" << none;
    QTest::newRow("underline") << "underline_tag" << none << "abc" << "<u>abc</u>" << none;
    QTest::newRow("strike button writes s") << "strike_tag" << none << "abc" << "<s>abc</s>" << none;
    QTest::newRow("link around the selection") << "a_tag" << none << "abc" << "<a href=\"\">abc</a>" << none;
    QTest::newRow("br replaces the selection") << "br_tag" << none << "abc" << "<br>" << none;
    QTest::newRow("plain paragraph") << "p_tag" << none << "abc" << "<p>abc</p>" << none;
    QTest::newRow("heading button is always level 1") << "hx_tag" << none << "abc" << "<h1>abc</h1>" << none;
    QTest::newRow("full colour: the chosen colour typed as a code")
        << "fullColor" << none << "" << "#FF7F50" << none;
    QTest::newRow("table dialog") << "table_set" << none << "abc" << "abc" << "IDM_ADD_TABLE";
    QTest::newRow("image dialog") << "img_tag" << none << "abc" << "abc" << "IDM_ADD_IMG";
    QTest::newRow("16 W3C names") << "w3c" << none << "abc" << "abc" << "IDM_ADD_COLOR_W3C";
    QTest::newRow("94 colours") << "94color" << none << "abc" << "abc" << "IDM_ADD_COLOR94";
    QTest::newRow("141 names") << "141color" << none << "abc" << "abc" << "IDM_ADD_COLOR141";
    QTest::newRow("web-safe picture") << "websafe" << none << "abc" << "abc" << "IDM_WebSafe";
    QTest::newRow("gradation, the button without tooltip")
        << "mk_grad" << none << "abc" << "abc" << "IDM_MAKE_GRADATION";
}

void TestTagToolbar::buttonClick()
{
    runRow(false);
}

void TestTagToolbar::menuChoice_data()
{
    addColumns();
    const QString none;
    QTest::newRow("main > no settings: the skeleton") << "main" << "main" << "" << kSkeleton << none;
    QTest::newRow("main > after the page settings opens them instead")
        << "main" << "b_main" << "abc" << "abc" << "IDM_EDIT_PGPROP";
    QTest::newRow("main > colour scheme") << "main" << "pg_col" << "abc" << "abc" << "IDM_EDIT_PGTHEME";
    QTest::newRow("bold > b") << "strong_tag" << "b_tag" << "abc" << "<b>abc</b>" << none;
    QTest::newRow("bold > the entry strong_tag writes strong")
        << "strong_tag" << "strong_tag" << "abc" << "<strong>abc</strong>" << none;
    QTest::newRow("bold > style sheet")
        << "strong_tag" << "style_bold" << "abc" << "<span style=\"font-weight: bold;\">abc</span>" << none;
    QTest::newRow("italic > i") << "italic_tag" << "i_tag" << "abc" << "<i>abc</i>" << none;
    QTest::newRow("italic > em") << "italic_tag" << "em_tag" << "abc" << "<em>abc</em>" << none;
    QTest::newRow("italic > style sheet")
        << "italic_tag" << "style_italic" << "abc" << "<span style=\"font-style: italic;\">abc</span>" << none;
    QTest::newRow("underline > u") << "underline_tag" << "underline_tag" << "abc" << "<u>abc</u>" << none;
    QTest::newRow("underline > style sheet")
        << "underline_tag" << "style_underline" << "abc"
        << "<span style=\"text-decoration: underline;\">abc</span>" << none;
    QTest::newRow("strike > s") << "strike_tag" << "strike_tag" << "abc" << "<s>abc</s>" << none;
    QTest::newRow("strike > STRIKE writes lower case")
        << "strike_tag" << "strikes_tag" << "abc" << "<strike>abc</strike>" << none;
    QTest::newRow("strike > del") << "strike_tag" << "del_tag" << "abc" << "<del>abc</del>" << none;
    QTest::newRow("paragraph > right") << "p_tag" << "p_right" << "abc" << "<p align=\"right\">abc</p>" << none;
    QTest::newRow("paragraph > centre") << "p_tag" << "p_center" << "abc" << "<p align=\"center\">abc</p>" << none;
    QTest::newRow("paragraph > left") << "p_tag" << "p_left" << "abc" << "<p align=\"left\">abc</p>" << none;
    for (int level = 1; level <= 6; ++level)
        QTest::addRow("heading > level %d", level)
            << "hx_tag" << QStringLiteral("h%1_tag").arg(level) << "abc"
            << QStringLiteral("<h%1>abc</h%1>").arg(level) << none;
}

void TestTagToolbar::menuChoice()
{
    runRow(true);
}

void TestTagToolbar::arrowOpensTheMenuForTheKeyboard()
{
    FrameFixture f;
    RichTextBox1 *box = f.active()->richTextBox1();
    QToolButton *button = f.frame->Toolbar5()->button(QStringLiteral("hx_tag"));
    bool opened = false;
    // The menu runs its own loop; the keys go in once it is up.
    QTimer::singleShot(0, this, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        opened = menu == button->menu();
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        if (menu->isVisible())
            menu->close();
    });
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() - 3, button->height() / 2));
    FrameFixture::settle();
    QVERIFY(opened);
    QCOMPARE(box->Text(), QStringLiteral("<h4></h4>"));
}

void TestTagToolbar::actsOnTheActiveDocumentOnly()
{
    FrameFixture f;
    Form1 *first = f.active();
    f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    Form1 *second = f.active();
    QVERIFY(second != first);
    clickButton(f.frame->Toolbar5(), QStringLiteral("br_tag"));
    QCOMPARE(second->richTextBox1()->Text(), QStringLiteral("<br>"));
    QCOMPARE(first->richTextBox1()->Text(), QString());
    QCOMPARE(Module1::TargetForm.data(), second);

    f.frame->mdiArea()->setActiveSubWindow(f.frame->subWindowOf(first));
    FrameFixture::settle();
    chooseEntry(f.frame->Toolbar5(), QStringLiteral("p_tag"), QStringLiteral("p_center"));
    QCOMPARE(first->richTextBox1()->Text(), QStringLiteral("<p align=\"center\"></p>"));
    QCOMPARE(second->richTextBox1()->Text(), QStringLiteral("<br>"));
}

void TestTagToolbar::followsTheEditCommands()
{
    FrameFixture f;
    TagToolbar *bar = f.frame->Toolbar5();
    auto enabledCount = [bar] {
        int n = 0;
        for (const TagToolbarButton &place : TagToolbarLayout::buttons())
            if (!place.separator)
                n += bar->button(place.key)->isEnabled();
        return n;
    };
    QCOMPARE(enabledCount(), 17);

    // The preview's switch turns the editing commands off, this bar with them.
    tvoFuncs::ToggleEditCommands();
    QCOMPARE(enabledCount(), 0);
    clickButton(bar, QStringLiteral("br_tag"));
    QCOMPARE(f.active()->richTextBox1()->Text(), QString());
    tvoFuncs::ToggleEditCommands();
    QCOMPARE(enabledCount(), 17);

    // The last document closed: nothing to act on.
    f.active()->IDM_FILECLOSE();
    FrameFixture::settle();
    QVERIFY(f.frame->documents().isEmpty());
    QCOMPARE(enabledCount(), 0);

    f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    QCOMPARE(enabledCount(), 17);
    clickButton(bar, QStringLiteral("br_tag"));
    QCOMPARE(f.active()->richTextBox1()->Text(), QStringLiteral("<br>"));
}

void TestTagToolbar::iconsAreDrawnAndDistinct()
{
    FrameFixture f;
    // Enough opaque pixels in more than one colour: a picture, not a blank.
    auto drawn = [](const QImage &image) {
        QSet<QRgb> colours;
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) > 128) {
                    ++inked;
                    colours.insert(image.pixel(x, y));
                }
        return inked > 20 && colours.size() > 1;
    };
    QHash<QByteArray, QString> seen;
    for (const TagToolbarButton &place : TagToolbarLayout::buttons()) {
        if (place.separator)
            continue;
        QVERIFY2(ToolbarIcons::has(place.key), qPrintable(place.key));
        const QImage image = f.frame->Toolbar5()->button(place.key)->icon().pixmap(24, 24).toImage();
        QVERIFY2(drawn(image), qPrintable(place.key));
        // Without SVG support the badge stands in, and it is no blank either.
        QVERIFY2(drawn(ToolbarIcons::badge(place.key).pixmap(24, 24).toImage()), qPrintable(place.key));
        const QByteArray bytes(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
        QVERIFY2(!seen.contains(bytes), qPrintable(place.key + QStringLiteral(" looks like ") + seen.value(bytes)));
        seen.insert(bytes, place.key);
    }
}

QTEST_MAIN(TestTagToolbar)
#include "tst_tagtoolbar.moc"
