#include "../editing/completiontyping.h"
#include "framefixture.h"

#include "commands/editmenu.h"
#include "frame/advicebar.h"
#include "frame/standardtoolbar.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTextBlock>
#include <QToolButton>

// The edit menu, the tag commands, the skeleton, the editor keys, the advice
// and the indentation, driven in a real document window.
class TestEditCommands : public QObject
{
    Q_OBJECT

private slots:
    void editMenuHoldsItsItemsInOrder();
    void editMenuEnablesForSelectionAndClipboard_data();
    void editMenuEnablesForSelectionAndClipboard();
    void rightClickPopsUpTheEditMenu();
    void commandsActOnTheStateOfTheirMoment_data();
    void commandsActOnTheStateOfTheirMoment();
    void conversionsWorkOnTheSelectionAsOneStep_data();
    void conversionsWorkOnTheSelectionAsOneStep();
    void clipboardCommands_data();
    void clipboardCommands();
    void tagCommandsWrapTheSelection_data();
    void tagCommandsWrapTheSelection();
    void skeletonOnCtrlF1();
    void editorKeys_data();
    void editorKeys();
    void backspaceAfterATagRefillsItsAttributes();
    void enterHandsTheLineToTheLineCheck_data();
    void enterHandsTheLineToTheLineCheck();
    void adviceAndJump_data();
    void adviceAndJump();
    void indentShowsButNeverSaves();
};

namespace {

QMenu *editMenu(Form1 *doc)
{
    return doc->editMenu()->menu();
}

void select(RichTextBox1 *box, qsizetype start, qsizetype length)
{
    box->setSelStart(start);
    box->setSelLength(length);
}
} // namespace

void TestEditCommands::editMenuHoldsItsItemsInOrder()
{
    FrameFixture f;
    Form1 *doc = f.active();
    QCOMPARE(editMenu(doc)->title(), QStringLiteral("編集(&E)"));
    QCOMPARE(FrameFixture::itemNames(editMenu(doc)),
             QStringList({"IDM_TAG_REEDIT", "IDM_UNDO", "-", "IDM_CUT", "IDM_COPY", "IDM_PASTE", "IDM_DEL", "-",
                          "IDM_DRPASTE", "-", "IDM_UCASE", "IDM_LCASE", "-", "IDM_REPLACE_BR", "IDM_REPLACE_X",
                          "IDM_REPLACE_BOTH"}));
    QCOMPARE(doc->menuItem("IDM_CUT")->text(), QStringLiteral("切り取り\tCtrl+X"));
    QCOMPARE(doc->menuItem("IDM_UCASE")->shortcut(), QKeySequence(QStringLiteral("Ctrl+U")));
    QCOMPARE(doc->menuItem("IDM_TAG_REEDIT")->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(FrameFixture::itemNames(doc->menuItem("IDM_DRPASTE")->menu()),
             QStringList({"IDM_BR_PASTE", "IDM_TXT_PASTE", "IDM_BOTH_BASTE"}));
}

void TestEditCommands::editMenuEnablesForSelectionAndClipboard_data()
{
    QTest::addColumn<qsizetype>("selected");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("selectionItems");
    QTest::addColumn<bool>("paste");
    QTest::newRow("nothing selected, empty clipboard") << qsizetype(0) << QString() << false << false;
    QTest::newRow("nothing selected, text on the clipboard") << qsizetype(0) << QStringLiteral("x") << false << true;
    QTest::newRow("a selection, empty clipboard") << qsizetype(2) << QString() << true << false;
    QTest::newRow("a selection, an empty text on the clipboard")
        << qsizetype(2) << QStringLiteral("") << true << false;
}

void TestEditCommands::editMenuEnablesForSelectionAndClipboard()
{
    QFETCH(qsizetype, selected);
    QFETCH(QString, clipboard);
    QFETCH(bool, selectionItems);
    QFETCH(bool, paste);
    FrameFixture f;
    Form1 *doc = f.active();
    f.type(QStringLiteral("abcd"));
    if (clipboard.isNull())
        QApplication::clipboard()->clear();
    else
        QApplication::clipboard()->setText(clipboard);
    select(doc->richTextBox1(), 1, selected);
    doc->editMenu()->prepare();
    for (const char *name : {"IDM_CUT", "IDM_COPY", "IDM_DEL", "IDM_LCASE", "IDM_UCASE", "IDM_REPLACE_X",
                             "IDM_REPLACE_BR", "IDM_REPLACE_BOTH"})
        QVERIFY2(doc->menuItem(name)->isEnabled() == selectionItems, name);
    QCOMPARE(doc->menuItem("IDM_PASTE")->isEnabled(), paste);
    QVERIFY(doc->menuItem("IDM_UNDO")->isEnabled());
    QVERIFY(doc->menuItem("IDM_DRPASTE")->isEnabled());
}

void TestEditCommands::rightClickPopsUpTheEditMenu()
{
    FrameFixture f;
    Form1 *doc = f.active();
    f.type(QStringLiteral("abcd"));
    QApplication::clipboard()->clear();
    QWidget *viewport = doc->richTextBox1()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(5, 5));
    FrameFixture::settle();
    QVERIFY(!editMenu(doc)->isVisible());
    QTest::mouseClick(viewport, Qt::RightButton, {}, QPoint(5, 5));
    FrameFixture::settle();
    QVERIFY(editMenu(doc)->isVisible());
    // Prepared for an empty selection and an empty clipboard.
    QVERIFY(!doc->menuItem("IDM_CUT")->isEnabled());
    QVERIFY(!doc->menuItem("IDM_PASTE")->isEnabled());
    editMenu(doc)->hide();
}

void TestEditCommands::commandsActOnTheStateOfTheirMoment_data()
{
    // The edit menu pops up over the source and closes; then the selection
    // and the clipboard (null: empty) are set and the steps run: "button N"
    // of the standard toolbar, "key K", "menu IDM_X" chosen in the edit menu,
    // "type T".
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("menuAllowedAll"); // all selected and "z" on the clipboard, else neither
    QTest::addColumn<qsizetype>("start");
    QTest::addColumn<qsizetype>("length");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("clipboardAfter");
    QTest::addColumn<bool>("modified");
    const QString empty = QStringLiteral("");
    QTest::newRow("toolbar cut after a menu with nothing selected, LF on the clipboard")
        << "a\r\nb" << false << qsizetype(0) << qsizetype(4) << QString() << QStringList{"button 15"} << ""
        << "a\nb" << true;
    QTest::newRow("copy from the menu, LF on the clipboard") << "a\r\nb" << false << qsizetype(0) << qsizetype(4)
        << QString() << QStringList{"menu IDM_COPY"} << "a\r\nb" << "a\nb" << false;
    QTest::newRow("toolbar cut with nothing selected does nothing")
        << "abc" << true << qsizetype(1) << qsizetype(0) << "z" << QStringList{"button 15"} << "abc" << "z" << false;
    QTest::newRow("toolbar paste after a menu with an empty clipboard writes CR LF") << "ab" << false << qsizetype(1)
        << qsizetype(0) << "1\n2" << QStringList{"button 17"} << "a1\r\n2b" << "1\n2" << true;
    QTest::newRow("toolbar paste of an empty text keeps the selection")
        << "abc" << true << qsizetype(0) << qsizetype(3) << empty << QStringList{"button 17"} << "abc" << "" << false;
    QTest::newRow("ctrl+v of an empty text keeps the selection")
        << "abc" << true << qsizetype(0) << qsizetype(3) << empty << QStringList{"key Ctrl+V"} << "abc" << "" << false;
    QTest::newRow("ctrl+u after a menu with nothing selected") << "abc" << false << qsizetype(0) << qsizetype(3)
        << QString() << QStringList{"key Ctrl+U"} << "ABC" << "" << true;
    QTest::newRow("ctrl+z after typing and indenting undoes the typing") << "abc" << false << qsizetype(0)
        << qsizetype(0) << QString() << QStringList{"type x", "button 25", "key Ctrl+Z"} << "abc" << "" << true;
    QTest::newRow("undo after indenting leaves the page unmodified") << "abc" << false << qsizetype(0)
        << qsizetype(3) << QString() << QStringList{"button 25", "button 20"} << "abc" << "" << false;
    QTest::newRow("shift+enter and its br are one undo step") << "abc" << false << qsizetype(3) << qsizetype(0)
        << QString() << QStringList{"key Shift+Return", "key Ctrl+Z"} << "abc" << "" << true;
}

void TestEditCommands::commandsActOnTheStateOfTheirMoment()
{
    QFETCH(QString, text);
    QFETCH(bool, menuAllowedAll);
    QFETCH(qsizetype, start);
    QFETCH(qsizetype, length);
    QFETCH(QString, clipboard);
    QFETCH(QStringList, steps);
    FrameFixture f;
    Form1 *doc = f.active();
    RichTextBox1 *box = doc->richTextBox1();
    doc->loadText(text, doc->fileFormat());
    box->setFocus();
    auto setClipboard = [](const QString &content) {
        content.isNull() ? QApplication::clipboard()->clear() : QApplication::clipboard()->setText(content);
    };
    select(box, 0, menuAllowedAll ? box->textLength() : 0);
    setClipboard(menuAllowedAll ? QStringLiteral("z") : QString());
    QTest::mouseClick(box->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    QTest::keyClick(editMenu(doc), Qt::Key_Escape);
    select(box, start, length);
    setClipboard(clipboard);
    for (const QString &step : std::as_const(steps)) {
        const QString how = step.section(QLatin1Char(' '), 0, 0);
        const QString what = step.section(QLatin1Char(' '), 1);
        StandardToolbar *bar = f.frame->Toolbar1();
        if (how == QLatin1String("button")) {
            QTest::mouseClick(bar->widgetForAction(bar->button(what.toInt())), Qt::LeftButton);
        } else if (how == QLatin1String("key")) {
            QTest::keySequence(box, QKeySequence(what));
        } else if (how == QLatin1String("menu")) {
            doc->editMenu()->popUp(QPoint(5, 5));
            editMenu(doc)->setActiveAction(doc->menuItem(what));
            QTest::keyClick(editMenu(doc), Qt::Key_Return);
        } else {
            QTest::keyClicks(box, what);
        }
        FrameFixture::settle();
    }
    QTEST(box->Text(), "after");
    QTEST(QApplication::clipboard()->text(), "clipboardAfter");
    QTEST(doc->TextEdit, "modified");
}

void TestEditCommands::conversionsWorkOnTheSelectionAsOneStep_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("start");
    QTest::addColumn<qsizetype>("length");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<qsizetype>("caret");
    QTest::newRow("both conversions over two lines keep the line feed")
        << "IDM_REPLACE_BOTH" << "<p>\r\nx" << qsizetype(0) << qsizetype(6)
        << "&lt;p&gt;<br>\r\nx" << qsizetype(16);
    QTest::newRow("characters, ampersand first")
        << "IDM_REPLACE_X" << "[a < b & c]" << qsizetype(1) << qsizetype(9)
        << "[a&nbsp;&lt;&nbsp;b&nbsp;&amp;&nbsp;c]" << qsizetype(37);
    QTest::newRow("line breaks only inside the selection")
        << "IDM_REPLACE_BR" << "a\r\nb\r\nc" << qsizetype(0) << qsizetype(4)
        << "a<br>\r\nb\r\nc" << qsizetype(8);
    QTest::newRow("upper case of tags and text alike")
        << "IDM_UCASE" << "x<b>abc</b>y" << qsizetype(1) << qsizetype(10)
        << "x<B>ABC</B>y" << qsizetype(11);
    QTest::newRow("lower case") << "IDM_LCASE" << "ABC" << qsizetype(0) << qsizetype(2) << "abC" << qsizetype(2);
    QTest::newRow("upper case with nothing selected changes nothing")
        << "IDM_UCASE" << "abc" << qsizetype(1) << qsizetype(0) << "abc" << qsizetype(1);
}

void TestEditCommands::conversionsWorkOnTheSelectionAsOneStep()
{
    QFETCH(QString, item);
    QFETCH(QString, text);
    QFETCH(qsizetype, start);
    QFETCH(qsizetype, length);
    QFETCH(QString, expected);
    QFETCH(qsizetype, caret);
    FrameFixture f;
    Form1 *doc = f.active();
    RichTextBox1 *box = doc->richTextBox1();
    box->setText(text);
    select(box, start, length);
    QVERIFY(doc->runByName(item));
    QCOMPARE(box->Text(), expected);
    QCOMPARE(box->SelStart(), caret);
    QCOMPARE(box->SelLength(), qsizetype(0));
    if (expected != text) {
        box->Undo();
        QCOMPARE(box->Text(), text);
    }
}

void TestEditCommands::clipboardCommands_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("clipboardBefore");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("clipboardAfter");
    // "ab|cd|ef": the middle two are selected.
    QTest::newRow("cut") << "IDM_CUT" << "old" << "abef" << "cd";
    QTest::newRow("copy") << "IDM_COPY" << "old" << "abcdef" << "cd";
    QTest::newRow("paste replaces the selection") << "IDM_PASTE" << "XY" << "abXYef" << "XY";
    QTest::newRow("delete leaves the clipboard alone") << "IDM_DEL" << "old" << "abef" << "old";
    QTest::newRow("paste after the line-break conversion, LF from another program")
        << "IDM_BR_PASTE" << "1\n2" << "ab1<br>\r\n2ef" << "1\n2";
    QTest::newRow("paste after the character conversion")
        << "IDM_TXT_PASTE" << "a < b & c" << "aba&nbsp;&lt;&nbsp;b&nbsp;&amp;&nbsp;cef" << "a < b & c";
    QTest::newRow("paste after both conversions")
        << "IDM_BOTH_BASTE" << "<p>\r\nx" << "ab&lt;p&gt;<br>\r\nxef" << "<p>\r\nx";
}

void TestEditCommands::clipboardCommands()
{
    QFETCH(QString, item);
    QFETCH(QString, clipboardBefore);
    QFETCH(QString, text);
    QFETCH(QString, clipboardAfter);
    FrameFixture f;
    Form1 *doc = f.active();
    RichTextBox1 *box = doc->richTextBox1();
    box->setText(QStringLiteral("abcdef"));
    QApplication::clipboard()->setText(clipboardBefore);
    select(box, 2, 2);
    QVERIFY(doc->runByName(item));
    QCOMPARE(box->Text(), text);
    QCOMPARE(QApplication::clipboard()->text(), clipboardAfter);
    // Copying leaves the selection as it was; the others leave none.
    QCOMPARE(box->SelLength(), qsizetype(item == QLatin1String("IDM_COPY") ? 2 : 0));
}

void TestEditCommands::tagCommandsWrapTheSelection_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("level");
    QTest::addColumn<qsizetype>("selected");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("caret");
    QTest::addColumn<QString>("colours");
    // The source holds "abc"; `selected` characters from the start are selected.
    QTest::newRow("strong around abc, caret before the closing tag")
        << "add_strong_tag" << 0 << qsizetype(3) << "<strong>abc</strong>" << qsizetype(11)
        << "KBBBBBBKKKKKBBBBBBBK";
    QTest::newRow("empty link, caret between the tags")
        << "add_a_tag" << 0 << qsizetype(0) << "<a href=\"\"></a>abc" << qsizetype(11)
        << "KBBPPPPPGGKKBBKKKK";
    QTest::newRow("heading three") << "add_hx_tag" << 3 << qsizetype(0) << "<h3></h3>abc" << qsizetype(4)
        << "KBBKKBBBKKKK";
    QTest::newRow("br replaces the selection") << "add_br_tag" << 0 << qsizetype(3) << "<br>" << qsizetype(4)
        << "KBBK";
    QTest::newRow("strike in lower case") << "add_strikes_tag" << 0 << qsizetype(0)
        << "<strike></strike>abc" << qsizetype(8) << "KBBBBBBKKBBBBBBBKKKK";
}

void TestEditCommands::tagCommandsWrapTheSelection()
{
    QFETCH(QString, command);
    QFETCH(int, level);
    QFETCH(qsizetype, selected);
    QFETCH(QString, text);
    QFETCH(qsizetype, caret);
    QFETCH(QString, colours);
    FrameFixture f;
    Form1 *doc = f.active();
    RichTextBox1 *box = doc->richTextBox1();
    f.type(QStringLiteral("abc"));
    select(box, 0, selected);
    if (command == QLatin1String("add_hx_tag"))
        QVERIFY(QMetaObject::invokeMethod(doc, "add_hx_tag", Q_ARG(int, level)));
    else
        QVERIFY(QMetaObject::invokeMethod(doc, command.toLatin1().constData()));
    QCOMPARE(box->Text(), text);
    QCOMPARE(box->SelStart(), caret);
    QCOMPARE(box->SelLength(), qsizetype(0));
    QCOMPARE(CompletionTyping::colours(box), colours);
    // One command, one undo step.
    box->Undo();
    QCOMPARE(box->Text(), QStringLiteral("abc"));
}

void TestEditCommands::skeletonOnCtrlF1()
{
    FrameFixture f;
    Form1 *doc = f.active();
    RichTextBox1 *box = doc->richTextBox1();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_F1, Qt::ControlModifier);
    const QString skeleton = QStringLiteral("<html>\r\n<head>\r\n<title>新規Webページ</title>\r\n</head>\r\n"
                                            "<body>\r\n\r\n\r\n</body>\r\n</html>");
    QCOMPARE(box->Text(), skeleton);
    QCOMPARE(skeleton.size(), 78);
    // Offset 59 lies between the CR and LF of the first empty body line, which
    // puts the caret at the end of that (empty) line.
    QCOMPARE(box->SelStart(), qsizetype(58));
    QCOMPARE(box->lineOfCaret(), 5);
    box->Undo();
    QCOMPARE(box->Text(), QString());
}

void TestEditCommands::editorKeys_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<qsizetype>("caret");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("tagBegin");
    QTest::addColumn<bool>("inQuote");
    QTest::newRow("backspace after < closes the tag") << "a<" << qsizetype(2) << int(Qt::Key_Backspace) << 0
        << "a" << 0 << false;
    QTest::newRow("backspace after a quote turns the quote state over")
        << "<a href=\"" << qsizetype(9) << int(Qt::Key_Backspace) << 0 << "<a href=" << 1 << true;
    QTest::newRow("delete before < closes the tag") << "a<b" << qsizetype(1) << int(Qt::Key_Delete) << 0
        << "ab" << 0 << false;
    QTest::newRow("delete before a quote turns the quote state over")
        << "x\"y" << qsizetype(1) << int(Qt::Key_Delete) << 0 << "xy" << 1 << true;
    QTest::newRow("delete at the end changes nothing") << "x\"" << qsizetype(2) << int(Qt::Key_Delete) << 0
        << "x\"" << 1 << false;
    QTest::newRow("shift+enter writes a br before the line break")
        << "abc" << qsizetype(3) << int(Qt::Key_Return) << int(Qt::ShiftModifier) << "abc<br>\r\n" << 1 << false;
    QTest::newRow("ctrl+shift+enter only breaks the line")
        << "abc" << qsizetype(3) << int(Qt::Key_Return) << int(Qt::ShiftModifier | Qt::ControlModifier)
        << "abc\r\n" << 1 << false;
}

void TestEditCommands::editorKeys()
{
    QFETCH(QString, before);
    QFETCH(qsizetype, caret);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    QFETCH(int, tagBegin);
    QFETCH(bool, inQuote);
    FrameFixture f;
    Form1 *doc = f.active();
    RichTextBox1 *box = doc->richTextBox1();
    box->setText(before);
    box->setSelStart(caret);
    doc->TagBegin = 1;
    doc->InQuote = false;
    box->setFocus();
    QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    FrameFixture::settle();
    QCOMPARE(box->Text(), after);
    QCOMPARE(doc->TagBegin, tagBegin);
    QCOMPARE(doc->InQuote, inQuote);
    if (after.contains(QLatin1String("<br>"))) {
        // "<" as typed, "br" blue, ">" black, and the new line goes on in black.
        QCOMPARE(CompletionTyping::colours(box).mid(3, 4), QStringLiteral("KBBK"));
        box->setSelStart(box->textLength());
        QTest::keyClick(box, Qt::Key_X);
        box->setSelStart(box->textLength() - 1);
        box->setSelStart(box->textLength());
        QCOMPARE(CompletionTyping::letter(box->SelColor()), QLatin1Char('K'));
    }
}

void TestEditCommands::backspaceAfterATagRefillsItsAttributes()
{
    FrameFixture f;
    Form1 *doc = f.active();
    RichTextBox1 *box = doc->richTextBox1();
    box->setText(QStringLiteral("<a href=\"x\">"));
    box->setSelStart(box->textLength());
    doc->TagBegin = 0;
    doc->List2()->clear();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Backspace);
    FrameFixture::settle();
    QCOMPARE(doc->TagBegin, 1);
    QCOMPARE(doc->TagName, QStringLiteral("a"));
    QVERIFY(CompletionTyping::entries(doc->List2()).contains(QStringLiteral("href")));
    QVERIFY(!doc->List2()->isVisible());
}

void TestEditCommands::enterHandsTheLineToTheLineCheck_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("advice");
    const QString quotes = QStringLiteral("注意：属性はダブルクォーテーションで囲んで下さい");
    QTest::newRow("unquoted value") << "<td width=50>" << quotes;
    QTest::newRow("quoted value") << "<td width=\"50\">" << QString();
    QTest::newRow("tag without a blank") << "<p>" << QString();
}

void TestEditCommands::enterHandsTheLineToTheLineCheck()
{
    QFETCH(QString, line);
    QFETCH(QString, advice);
    FrameFixture f;
    Form1 *doc = f.active();
    RichTextBox1 *box = doc->richTextBox1();
    box->setText(line);
    box->setSelStart(box->textLength());
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    FrameFixture::settle();
    QCOMPARE(box->Text(), line + QStringLiteral("\r\n"));
    // The advice outlasts the line break it came with, and goes with the next key.
    QCOMPARE(f.frame->Toolbar4()->Text1()->text(), advice);
    QTest::keyClick(box, Qt::Key_A);
    QCOMPARE(f.frame->Toolbar4()->Text1()->text(), QString());
}

void TestEditCommands::adviceAndJump_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("advice");
    QTest::addColumn<qsizetype>("jump");
    QTest::newRow("clean page leaves the bar empty")
        << "<!DOCTYPE html>\r\n<title>t</title>" << QString() << qsizetype(3);
    QTest::newRow("lower-case doctype is a declaration too")
        << "<!doctype html><title>t</title>" << QString() << qsizetype(3);
    QTest::newRow("empty title: the jump lands between the tags")
        << "<!DOCTYPE html>\r\n<title></title>" << "警告：タイトルが空欄です。ページのタイトルを設定して下さい。"
        << qsizetype(24);
    QTest::newRow("no declaration: the jump goes to the start")
        << "<title></title>" << "<!DOCTYPE等がないので[Ctrl + F2]を押してページ設定を行って下さい。" << qsizetype(0);
}

void TestEditCommands::adviceAndJump()
{
    QFETCH(QString, text);
    QFETCH(QString, advice);
    QFETCH(qsizetype, jump);
    FrameFixture f;
    Form1 *doc = f.active();
    RichTextBox1 *box = doc->richTextBox1();
    box->setText(text);
    box->setSelStart(3);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_F7);
    QCOMPARE(f.frame->Toolbar4()->Text1()->text(), advice);
    box->setSelStart(1);
    QTest::mouseClick(f.frame->Toolbar4()->errjump(), Qt::LeftButton);
    QCOMPARE(box->SelStart(), jump);
    QVERIFY(box->hasFocus() || QApplication::focusWidget() == box);
    // The bar's own button runs the same check.
    f.frame->Toolbar4()->Text1()->clear();
    QTest::mouseClick(f.frame->Toolbar4()->ErrChk(), Qt::LeftButton);
    QCOMPARE(f.frame->Toolbar4()->Text1()->text(), advice);
}

void TestEditCommands::indentShowsButNeverSaves()
{
    FrameFixture f;
    const QByteArray bytes = "<p>one</p>\r\n<p>two</p>\r\n<p>three</p>\r\n";
    const QString path = f.writeFile(QStringLiteral("i.html"), bytes);
    Form1 *doc = f.openFile(path);
    RichTextBox1 *box = doc->richTextBox1();
    const int plainX = box->cursorRect().x();
    // Lines two and three, by the toolbar button.
    select(box, 14, 14);
    f.frame->toolbarButton(25)->trigger();
    FrameFixture::settle();
    QVERIFY(box->isParagraphIndented(1));
    QVERIFY(box->isParagraphIndented(2));
    QVERIFY(!box->isParagraphIndented(0));
    QVERIFY(!doc->TextEdit);
    box->setSelStart(12);
    QVERIFY(box->cursorRect().x() > plainX + 4);
    // A click at the indented start of the line lands on its first character.
    const QRect start = box->cursorRect();
    box->setSelStart(0);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(start.x() + 1, start.center().y()));
    QCOMPARE(box->SelStart(), qsizetype(12));
    // Typing in an indented line and saving writes only the typed character.
    QTest::keyClick(box, Qt::Key_X);
    QVERIFY(doc->runByName(QStringLiteral("IDM_SAVE")));
    QCOMPARE(FrameFixture::readFile(path), QByteArray("<p>one</p>\r\nx<p>two</p>\r\n<p>three</p>\r\n"));
    select(box, 12, 1);
    f.frame->toolbarButton(26)->trigger();
    QVERIFY(!box->isParagraphIndented(1));
    QVERIFY(box->isParagraphIndented(2));
}

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
