#include "findfixture.h"

#include "frame/standardtoolbar.h"
#include "frame/tabbar.h"
#include "shared/formregistry.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

// The find dialog and F2 in a running frame, driven by keys and clicks.
class TestForm4 : public QObject
{
    Q_OBJECT

private slots:
    void searchMenuHoldsItsThreeCommands_data();
    void searchMenuHoldsItsThreeCommands();
    void opensModelessWithTheLastTextSelected();
    void findNext_data();
    void findNext();
    void returnFindsAndEscapeCloses();
    void notFoundKeepsTheDialogAndTheSelection();
    void f2RepeatsTheLastFind();
    void f2WithNothingFurtherDownShowsTheSameMessage();
    void f2BeforeAnyFindDoesNothing();
    void nextFindIsGreyedUntilSomethingWasFound();
    void typingInTheSourceWhileOpenMovesTheStart();
    void keepsItsOwnWindowWhenAnotherIsActivated();
    void closingItsWindowClosesTheDialog();
    void toolbarFindButtonOpensItForTheActiveDocument();
    void secondCtrlFBringsTheSameDialogForward();
};

void TestForm4::searchMenuHoldsItsThreeCommands_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");

    QTest::newRow("find: Ctrl+F") << "IDM_FIND" << "検索(&F)" << QKeySequence(QStringLiteral("Ctrl+F"));
    QTest::newRow("find next: F2") << "IDM_NEXTFIND" << "次を検索(&N)" << QKeySequence(Qt::Key_F2);
    QTest::newRow("replace: Ctrl+H") << "IDM_REPLACE" << "置換(&R)" << QKeySequence(QStringLiteral("Ctrl+H"));
}

void TestForm4::searchMenuHoldsItsThreeCommands()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    FindFixture f;
    QAction *menu = f.doc->menuItem(QStringLiteral("IDM_SEARCH"));
    QVERIFY(menu && menu->menu());
    QCOMPARE(menu->text(), QStringLiteral("検索(&S)"));
    // The menu has items now, so the frame shows it.
    QVERIFY(menu->isVisible());
    QAction *item = f.doc->menuItem(name);
    QVERIFY(item);
    QVERIFY(menu->menu()->actions().contains(item));
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), shortcut);
}

void TestForm4::opensModelessWithTheLastTextSelected()
{
    FindFixture f("<p>abc</p>");
    Module1::LastFindText = QStringLiteral("abc");
    Form4 *dialog = f.pressFind();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("検索"));
    QCOMPARE(dialog->Label1()->text(), QStringLiteral("検索する文字列："));
    QCOMPARE(dialog->Check1()->text(), QStringLiteral("文章の先頭から検索"));
    QVERIFY(!dialog->Check1()->isChecked());
    QCOMPARE(dialog->Frame1()->title(), QStringLiteral("検索する方向"));
    QCOMPARE(dialog->Option1()->text(), QStringLiteral("上へ(&U)"));
    QVERIFY(!dialog->Option1()->isChecked());
    QCOMPARE(dialog->Option2()->text(), QStringLiteral("下へ(&D)"));
    QVERIFY(dialog->Option2()->isChecked());
    QCOMPARE(dialog->Command1()->text(), QStringLiteral("次を検索(&F)"));
    QCOMPARE(dialog->Command2()->text(), QStringLiteral("キャンセル"));
    QCOMPARE(dialog->target(), f.doc);
    QVERIFY(FormRegistry::forms().contains(dialog));

    QCOMPARE(dialog->Text1()->text(), QStringLiteral("abc"));
    QCOMPARE(QApplication::focusWidget(), dialog->Text1());
    QCOMPARE(dialog->Text1()->selectedText(), QStringLiteral("abc"));
}

void TestForm4::findNext_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<qsizetype>("selStart");
    QTest::addColumn<qsizetype>("selLength");
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("fromStart");
    QTest::addColumn<bool>("up");
    QTest::addColumn<qsizetype>("found");

    QTest::newRow("abc finds neither ABC nor Abc") << QByteArray("ABC Abc abc") << qsizetype(0) << qsizetype(0) << "abc" << false << false << qsizetype(8);
    QTest::newRow("down passes over the selected occurrence") << QByteArray("ab ab ab") << qsizetype(3) << qsizetype(2) << "ab" << false << false << qsizetype(6);
    QTest::newRow("from the start: the first, wherever the caret is") << QByteArray("ab ab ab") << qsizetype(8) << qsizetype(0) << "ab" << true << false << qsizetype(0);
    QTest::newRow("from the start wins over up") << QByteArray("ab ab ab") << qsizetype(6) << qsizetype(2) << "ab" << true << true << qsizetype(0);
    QTest::newRow("up: the nearest before the selection") << QByteArray("ab ab ab") << qsizetype(6) << qsizetype(2) << "ab" << false << true << qsizetype(3);
    QTest::newRow("up from the caret at the end: the last") << QByteArray("ab ab ab") << qsizetype(8) << qsizetype(0) << "ab" << false << true << qsizetype(6);
    QTest::newRow("below a line break: CR LF counts two") << QByteArray("<p>\r\n<b>\r\nx<b>") << qsizetype(4) << qsizetype(0) << "<b>" << false << false << qsizetype(5);
    QTest::newRow("Japanese text on the third line") << QByteArray("<p>\r\n\r\n日本語の本文</p>") << qsizetype(0) << qsizetype(0) << "本文" << false << false << qsizetype(11);
}

void TestForm4::findNext()
{
    QFETCH(QByteArray, page);
    QFETCH(qsizetype, selStart);
    QFETCH(qsizetype, selLength);
    QFETCH(QString, what);
    QFETCH(bool, fromStart);
    QFETCH(bool, up);
    QFETCH(qsizetype, found);
    FindFixture f(page, selStart, selLength);
    Form4 *dialog = f.pressFind();
    QVERIFY(dialog);
    FindFixture::typeInto(dialog->Text1(), what);
    if (fromStart)
        QTest::mouseClick(dialog->Check1(), Qt::LeftButton);
    if (up)
        QTest::mouseClick(dialog->Option1(), Qt::LeftButton, {}, QPoint(4, dialog->Option1()->height() / 2));
    QCOMPARE(dialog->Option1()->isChecked(), up);
    QTest::mouseClick(dialog->Command1(), Qt::LeftButton);
    FrameFixture::settle();

    QVERIFY(f.seam.messages.isEmpty());
    QCOMPARE(f.source()->SelStart(), found);
    QCOMPARE(f.source()->SelText(), what);
    QCOMPARE(Module1::LastFindText, what);
    // A find that succeeds closes the dialog and hands the keyboard back.
    QVERIFY(!Form4::instance());
    QCOMPARE(QApplication::focusWidget(), f.source());
    QVERIFY(!FormRegistry::forms().contains(dialog));
}

void TestForm4::returnFindsAndEscapeCloses()
{
    FindFixture f("one two one");
    Form4 *dialog = f.pressFind();
    QTest::keyClicks(dialog->Text1(), QStringLiteral("one"));
    QTest::keyClick(dialog->Text1(), Qt::Key_Return);
    FrameFixture::settle();
    QCOMPARE(f.source()->SelStart(), qsizetype(0));
    QCOMPARE(f.source()->SelLength(), qsizetype(3));
    QVERIFY(!Form4::instance());

    // The next opening starts from the text just found, selected, so the
    // user can go on with Return or type a new one.
    dialog = f.pressFind();
    QCOMPARE(dialog->Text1()->selectedText(), QStringLiteral("one"));
    QCOMPARE(QApplication::focusWidget(), dialog->Text1());
    QTest::keyClick(dialog->Text1(), Qt::Key_Escape);
    FrameFixture::settle();
    QVERIFY(!Form4::instance());
    QCOMPARE(QApplication::focusWidget(), f.source());
    QCOMPARE(f.source()->SelStart(), qsizetype(0));
    QVERIFY(f.seam.messages.isEmpty());
}

void TestForm4::notFoundKeepsTheDialogAndTheSelection()
{
    FindFixture f("abc abc", 4, 3);
    Form4 *dialog = f.pressFind();
    FindFixture::typeInto(dialog->Text1(), QStringLiteral("abc"));
    QTest::mouseClick(dialog->Command1(), Qt::LeftButton);
    FrameFixture::settle();
    QCOMPARE(f.seam.messages.size(), 1);
    QCOMPARE(f.lastMessage(), QStringLiteral("\"abc\"が見つかりません"));
    QCOMPARE(f.seam.messages.last().title, QStringLiteral("Tovalo"));
    QCOMPARE(Form4::instance(), dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(f.source()->SelStart(), qsizetype(4));
    QCOMPARE(f.source()->SelLength(), qsizetype(3));
    // Nothing was found, so nothing is remembered for F2.
    QVERIFY(Module1::LastFindText.isEmpty());

    // Cancel closes it without a search.
    QTest::mouseClick(dialog->Command2(), Qt::LeftButton);
    FrameFixture::settle();
    QVERIFY(!Form4::instance());
    QCOMPARE(f.seam.messages.size(), 1);
}

void TestForm4::f2RepeatsTheLastFind()
{
    FindFixture f("<td>1</td>\r\n<td>2</td>\r\n<td>3</td>");
    Form4 *dialog = f.pressFind();
    FindFixture::typeInto(dialog->Text1(), QStringLiteral("<td>"));
    QTest::keyClick(dialog->Text1(), Qt::Key_Return);
    FrameFixture::settle();
    QCOMPARE(f.source()->SelStart(), qsizetype(0));
    f.pressF2();
    QCOMPARE(f.source()->SelStart(), qsizetype(12));
    QCOMPARE(f.source()->SelText(), QStringLiteral("<td>"));
    f.pressF2();
    QCOMPARE(f.source()->SelStart(), qsizetype(24));
    QVERIFY(f.seam.messages.isEmpty());
    QCOMPARE(QApplication::focusWidget(), f.source());
}

void TestForm4::f2WithNothingFurtherDownShowsTheSameMessage()
{
    FindFixture f("x <b> y", 2, 3);
    Module1::LastFindText = QStringLiteral("<b>");
    f.pressF2();
    QCOMPARE(f.seam.messages.size(), 1);
    QCOMPARE(f.lastMessage(), QStringLiteral("\"<b>\"が見つかりません"));
    QCOMPARE(f.seam.messages.last().title, QStringLiteral("Tovalo"));
    QCOMPARE(f.source()->SelStart(), qsizetype(2));
    QCOMPARE(f.source()->SelLength(), qsizetype(3));
    QCOMPARE(QApplication::focusWidget(), f.source());
}

void TestForm4::f2BeforeAnyFindDoesNothing()
{
    FindFixture f("abc", 1, 0);
    f.pressF2();
    QVERIFY(f.seam.messages.isEmpty());
    QCOMPARE(f.source()->SelStart(), qsizetype(1));
    QCOMPARE(f.source()->Text(), QStringLiteral("abc"));
}

void TestForm4::nextFindIsGreyedUntilSomethingWasFound()
{
    FindFixture f("abc");
    QMenu *search = f.doc->menuItem(QStringLiteral("IDM_SEARCH"))->menu();
    QAction *next = f.doc->menuItem(QStringLiteral("IDM_NEXTFIND"));
    search->popup(QPoint(0, 0));
    FrameFixture::settle();
    QVERIFY(!next->isEnabled());
    search->hide();
    FrameFixture::settle();
    // Closed, F2 is live again, so a find made later can be repeated.
    QVERIFY(next->isEnabled());

    Form4 *dialog = f.pressFind();
    FindFixture::typeInto(dialog->Text1(), QStringLiteral("b"));
    QTest::keyClick(dialog->Text1(), Qt::Key_Return);
    FrameFixture::settle();
    search->popup(QPoint(0, 0));
    FrameFixture::settle();
    QVERIFY(next->isEnabled());
    search->hide();
}

void TestForm4::typingInTheSourceWhileOpenMovesTheStart()
{
    FindFixture f("ab");
    Form4 *dialog = f.pressFind();
    FindFixture::typeInto(dialog->Text1(), QStringLiteral("ab"));
    // Modeless: the source still takes keys while the dialog is open.
    QTest::keyClick(f.source(), Qt::Key_End);
    QTest::keyClicks(f.source(), QStringLiteral(" ab"));
    QCOMPARE(f.source()->Text(), QStringLiteral("ab ab"));
    QCOMPARE(Form4::instance(), dialog);
    QTest::mouseClick(dialog->Command1(), Qt::LeftButton);
    FrameFixture::settle();
    // The caret sits at the end now: nothing further down.
    QCOMPARE(f.lastMessage(), QStringLiteral("\"ab\"が見つかりません"));
    QTest::mouseClick(dialog->Option1(), Qt::LeftButton, {}, QPoint(4, dialog->Option1()->height() / 2));
    QTest::mouseClick(dialog->Command1(), Qt::LeftButton);
    FrameFixture::settle();
    QCOMPARE(f.source()->SelStart(), qsizetype(3));
}

void TestForm4::keepsItsOwnWindowWhenAnotherIsActivated()
{
    FindFixture f("first x");
    Form1 *first = f.doc;
    Form4 *dialog = f.pressFind();
    f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    Form1 *second = f.active();
    QVERIFY(second != first);
    f.type(QStringLiteral("second x"));
    QCOMPARE(Module1::TargetForm.data(), second);

    FindFixture::typeInto(dialog->Text1(), QStringLiteral("x"));
    QTest::mouseClick(dialog->Command1(), Qt::LeftButton);
    FrameFixture::settle();
    QCOMPARE(first->richTextBox1()->SelStart(), qsizetype(6));
    QCOMPARE(first->richTextBox1()->SelLength(), qsizetype(1));
    QCOMPARE(second->richTextBox1()->SelLength(), qsizetype(0));
}

void TestForm4::closingItsWindowClosesTheDialog()
{
    FindFixture f("abc");
    f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    Form1 *second = f.active();
    const qsizetype open = f.frame->documents().size();
    QTest::keyClick(second->richTextBox1(), Qt::Key_F, Qt::ControlModifier);
    FrameFixture::settle();
    Form4 *dialog = Form4::instance();
    QVERIFY(dialog);
    QCOMPARE(dialog->target(), second);
    second->IDM_FILECLOSE();
    FrameFixture::settle();
    QCOMPARE(f.frame->documents().size(), open - 1);
    QVERIFY(!Form4::instance());
}

void TestForm4::toolbarFindButtonOpensItForTheActiveDocument()
{
    FindFixture f("abc");
    f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    f.clickTabOf(f.doc);
    QCOMPARE(Module1::ActiveKey, f.doc->windowTitle().left(3));

    StandardToolbar *bar = f.frame->Toolbar1();
    QAction *find = bar->button(bar->indexOf(QStringLiteral("find")));
    QVERIFY(find);
    QCOMPARE(find->toolTip(), QStringLiteral("検索"));
    QTest::mouseClick(bar->widgetForAction(find), Qt::LeftButton);
    FrameFixture::settle();
    QVERIFY(Form4::instance());
    QCOMPARE(Form4::instance()->target(), f.doc);
    QCOMPARE(Module1::TargetKey, f.doc->windowTitle().left(3));
}

void TestForm4::secondCtrlFBringsTheSameDialogForward()
{
    FindFixture f("abc");
    Form4 *dialog = f.pressFind();
    QTest::keyClicks(dialog->Text1(), QStringLiteral("bc"));
    f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    Form1 *second = f.active();
    f.activateFrame();
    QTest::keyClick(second->richTextBox1(), Qt::Key_F, Qt::ControlModifier);
    FrameFixture::settle();
    QCOMPARE(Form4::instance(), dialog);
    // Pointed at the window that asked, with what was typed kept and selected.
    QCOMPARE(dialog->target(), second);
    QCOMPARE(dialog->Text1()->selectedText(), QStringLiteral("bc"));
    QCOMPARE(QApplication::focusWidget(), dialog->Text1());
}

QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
