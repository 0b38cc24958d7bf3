#include "framefixture.h"

#include "commands/form4.h"
#include "commands/tagtoolbar.h"
#include "frame/advicebar.h"
#include "frame/documentkind.h"
#include "frame/standardtoolbar.h"
#include "shared/toolbaricons.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMenu>
#include <QToolButton>

// The standard toolbar and the advice bar's showing and hiding, used with the
// mouse on two open documents: each button must reach the active one only.
class TestFrameToolbar : public QObject
{
    Q_OBJECT

private slots:
    void editButtonsActOnTheActiveDocument_data();
    void editButtonsActOnTheActiveDocument();
    void saveButtonsWriteTheRightFiles();
    void closeButtons();
    void printButtonPrintsTheActiveDocument();
    void findButtonSearchesTheActiveDocument();
    void indentButtonsIndentTheActiveDocument();
    void newAndOpenButtons();
    void withNoDocumentOnlyNewAndOpenRespond();
    void buttonsAreNamedAndDrawn();
    void adviceBarTurnsOver_data();
    void adviceBarTurnsOver();
    void rightClickOffersNoOtherWayToHideTheBars();
};

namespace {

// Two documents from files, b.html active over a.html.
struct TwoDocuments : FrameFixture {
    Form1 *a = nullptr;
    Form1 *b = nullptr;
    QString pathA;
    QString pathB;

    TwoDocuments()
    {
        pathA = writeFile(QStringLiteral("a.html"), "<p>a</p>");
        pathB = writeFile(QStringLiteral("b.html"), "abcdef");
        // The untitled start-up page goes, so that the two are alone.
        active()->IDM_FILECLOSE();
        settle();
        a = openFile(pathA);
        b = openFile(pathB);
    }

    void click(int index)
    {
        StandardToolbar *bar = frame->Toolbar1();
        QTest::mouseClick(bar->widgetForAction(bar->button(index)), Qt::LeftButton);
        settle();
    }
};

} // namespace

void TestFrameToolbar::editButtonsActOnTheActiveDocument_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("clipboardBefore");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("clipboardAfter");
    // "ab|cd|ef" in the active document: the middle two are selected.
    QTest::newRow("cut") << QList<int>{15} << "old" << "abef" << "cd";
    QTest::newRow("copy") << QList<int>{16} << "old" << "abcdef" << "cd";
    QTest::newRow("paste over the selection") << QList<int>{17} << "XY" << "abXYef" << "XY";
    QTest::newRow("delete keeps the clipboard") << QList<int>{18} << "old" << "abef" << "old";
    QTest::newRow("delete, then undo brings it back") << QList<int>{18, 20} << "old" << "abcdef" << "old";
    QTest::newRow("cut, then paste twice") << QList<int>{15, 17, 17} << "old" << "abcdcdef" << "cd";
}

void TestFrameToolbar::editButtonsActOnTheActiveDocument()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QString, clipboardBefore);
    QFETCH(QString, text);
    QFETCH(QString, clipboardAfter);
    TwoDocuments f;
    QApplication::clipboard()->setText(clipboardBefore);
    f.b->richTextBox1()->setSelStart(2);
    f.b->richTextBox1()->setSelLength(2);
    for (int index : clicks)
        f.click(index);
    QCOMPARE(f.b->richTextBox1()->Text(), text);
    QCOMPARE(QApplication::clipboard()->text(), clipboardAfter);
    QCOMPARE(f.a->richTextBox1()->Text(), QStringLiteral("<p>a</p>"));
}

void TestFrameToolbar::saveButtonsWriteTheRightFiles()
{
    TwoDocuments f;
    f.type(QStringLiteral("1"));
    f.click(6);
    QCOMPARE(FrameFixture::readFile(f.pathB), QByteArray("1abcdef"));
    QCOMPARE(FrameFixture::readFile(f.pathA), QByteArray("<p>a</p>"));

    const QString other = f.path(QStringLiteral("c.html"));
    f.seam.saveNames << other;
    f.click(7);
    QCOMPARE(FrameFixture::readFile(other), QByteArray("1abcdef"));
    QCOMPARE(f.seam.saveRequests.size(), 1);

    // Save all writes the window behind as well.
    f.a->richTextBox1()->setSelStart(0);
    QTest::keyClick(f.a->richTextBox1(), Qt::Key_Z);
    f.click(8);
    QCOMPARE(FrameFixture::readFile(f.pathA), QByteArray("z<p>a</p>"));
}

void TestFrameToolbar::closeButtons()
{
    TwoDocuments f;
    f.click(10);
    QCOMPARE(f.frame->documents(), QList<Form1 *>{f.a});
    f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    QCOMPARE(f.frame->documents().size(), 2);
    f.click(11);
    QVERIFY(f.frame->documents().isEmpty());
    QVERIFY(f.seam.messages.isEmpty());
}

void TestFrameToolbar::printButtonPrintsTheActiveDocument()
{
    TwoDocuments f;
    f.seam.printFile = f.path(QStringLiteral("out.pdf"));
    f.click(13);
    QVERIFY(QFileInfo(f.seam.printFile).size() > 0);
}

void TestFrameToolbar::findButtonSearchesTheActiveDocument()
{
    TwoDocuments f;
    f.click(22);
    Form4 *find = Form4::instance();
    QVERIFY(find);
    QVERIFY(find->isVisible());
    QCOMPARE(Module1::TargetKey, f.b->windowTitle().left(3));
    find->reject();
    FrameFixture::settle();
}

void TestFrameToolbar::indentButtonsIndentTheActiveDocument()
{
    TwoDocuments f;
    f.click(25);
    QVERIFY(f.b->richTextBox1()->isParagraphIndented(0));
    QVERIFY(!f.a->richTextBox1()->isParagraphIndented(0));
    f.click(26);
    QVERIFY(!f.b->richTextBox1()->isParagraphIndented(0));
}

void TestFrameToolbar::newAndOpenButtons()
{
    FrameFixture f;
    StandardToolbar *bar = f.frame->Toolbar1();
    const QList<QPair<int, QString>> kinds = {
        {1, DocumentKind::hyperText()}, {2, DocumentKind::styleSheet()}, {3, DocumentKind::javaScript()}};
    for (const auto &[index, kind] : kinds) {
        QTest::mouseClick(bar->widgetForAction(bar->button(index)), Qt::LeftButton);
        FrameFixture::settle();
        QVERIFY2(f.active()->windowTitle().endsWith(QStringLiteral("(%1)").arg(kind)), qPrintable(kind));
    }
    const QString path = f.writeFile(QStringLiteral("s.css"), "p{}");
    f.seam.openNames << path;
    QTest::mouseClick(bar->widgetForAction(bar->button(5)), Qt::LeftButton);
    FrameFixture::settle();
    QCOMPARE(f.active()->FPath, path);
    QCOMPARE(f.frame->documents().size(), 5);
}

void TestFrameToolbar::withNoDocumentOnlyNewAndOpenRespond()
{
    FrameFixture f;
    f.active()->IDM_FILECLOSE();
    FrameFixture::settle();
    StandardToolbar *bar = f.frame->Toolbar1();
    for (int index = 1; index <= StandardToolbar::ButtonCount; ++index) {
        QAction *button = bar->button(index);
        if (!button || button->isSeparator())
            continue;
        const bool expected = index <= 3 || index == 5;
        QVERIFY2(button->isEnabled() == expected, qPrintable(button->objectName()));
    }
    for (QAction *action : f.frame->Toolbar5()->actions())
        QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
    // A click on a greyed button does nothing at all.
    QTest::mouseClick(bar->widgetForAction(bar->button(10)), Qt::LeftButton);
    QTest::mouseClick(bar->widgetForAction(bar->button(22)), Qt::LeftButton);
    FrameFixture::settle();
    QVERIFY(!Form4::instance());
    QVERIFY(f.frame->documents().isEmpty());
}

void TestFrameToolbar::buttonsAreNamedAndDrawn()
{
    FrameFixture f;
    StandardToolbar *bar = f.frame->Toolbar1();
    for (int index = 1; index <= StandardToolbar::ButtonCount; ++index) {
        QAction *button = bar->button(index);
        if (!button || button->isSeparator())
            continue;
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(bar->widgetForAction(button));
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), button->toolTip());
        QVERIFY2(!button->icon().isNull(), qPrintable(button->objectName()));
    }
    // The buttons that once showed the same blank page each have a drawing.
    for (const char *key : {"htmlnew", "cssnew", "jsnew", "print", "cut", "copy", "paste", "del", "find",
                            "dead_chk", "indent", "unindent"})
        QVERIFY2(ToolbarIcons::has(QString::fromLatin1(key)), key);
    QVERIFY(bar->button(13)->icon().cacheKey() != bar->button(15)->icon().cacheKey());
}

void TestFrameToolbar::adviceBarTurnsOver_data()
{
    QTest::addColumn<bool>("closeFirst");
    QTest::addColumn<QString>("chooser"); // "target", "other" or "frame"
    QTest::addColumn<bool>("barShown");
    QTest::addColumn<bool>("targetMark");
    QTest::addColumn<bool>("otherMark");
    QTest::newRow("× hides the bar and clears only the target's mark")
        << true << "" << false << false << true;
    QTest::newRow("after ×, the target's menu shows the bar and marks it again")
        << true << "target" << true << true << true;
    QTest::newRow("after ×, another window's menu shows the bar and clears its mark")
        << true << "other" << true << false << false;
    QTest::newRow("without ×, the menu hides the bar and clears its mark")
        << false << "target" << false << false << true;
    QTest::newRow("the frame's own item turns the bar, no mark changes")
        << true << "frame" << true << false << true;
}

void TestFrameToolbar::adviceBarTurnsOver()
{
    QFETCH(bool, closeFirst);
    QFETCH(QString, chooser);
    QFETCH(bool, barShown);
    QFETCH(bool, targetMark);
    QFETCH(bool, otherMark);
    TwoDocuments f;
    AdviceBar *advice = f.frame->Toolbar4();
    QVERIFY(advice->isVisible());
    if (closeFirst)
        QTest::mouseClick(advice->Command6(), Qt::LeftButton);
    FrameFixture::settle();
    if (chooser == QLatin1String("target"))
        f.b->menuItem(QStringLiteral("IDM_VIEW_TAGTOOL"))->trigger();
    else if (chooser == QLatin1String("other"))
        f.a->menuItem(QStringLiteral("IDM_VIEW_TAGTOOL"))->trigger();
    else if (chooser == QLatin1String("frame"))
        f.frame->menuItem(QStringLiteral("IDM_VIEW_TAGTOOL"))->trigger();
    FrameFixture::settle();
    QCOMPARE(!advice->isHidden(), barShown);
    QCOMPARE(f.b->menuItem(QStringLiteral("IDM_VIEW_TAGTOOL"))->isChecked(), targetMark);
    QCOMPARE(f.a->menuItem(QStringLiteral("IDM_VIEW_TAGTOOL"))->isChecked(), otherMark);
}

void TestFrameToolbar::rightClickOffersNoOtherWayToHideTheBars()
{
    FrameFixture f;
    for (QWidget *bar : {static_cast<QWidget *>(f.frame->Toolbar5()), static_cast<QWidget *>(f.frame->Toolbar4()),
                         static_cast<QWidget *>(f.frame->Toolbar1())}) {
        const QPoint at(bar->width() - 3, bar->height() / 2);
        QContextMenuEvent request(QContextMenuEvent::Mouse, at, bar->mapToGlobal(at));
        QApplication::sendEvent(bar, &request);
        FrameFixture::settle();
        QWidget *popup = QApplication::activePopupWidget();
        if (popup)
            popup->close();
        QVERIFY2(!popup, qPrintable(bar->objectName()));
    }
}

QTEST_MAIN(TestFrameToolbar)
#include "tst_frametoolbar.moc"
