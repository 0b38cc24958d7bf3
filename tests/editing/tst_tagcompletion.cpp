#include "completiontyping.h"

#include "shared/twips.h"

#include <QCheckBox>
#include <QLineEdit>

class TestTagCompletion : public QObject
{
    Q_OBJECT

private slots:
    void keysWriteTagsInTheirColours_data();
    void keysWriteTagsInTheirColours();
    void injectedKeysArriveWithNoActiveWindow_data();
    void injectedKeysArriveWithNoActiveWindow();
    void chosenTagFillsTheAttributeList_data();
    void chosenTagFillsTheAttributeList();
    void pageKeysMoveByAPage();
    void doubleClickWritesTheEntryOnly();
    void popupOpensBesideTheCaret_data();
    void popupOpensBesideTheCaret();
    void slashShiftsThePopup();
};

void TestTagCompletion::keysWriteTagsInTheirColours_data()
{
    QTest::addColumn<bool>("check1");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("colours"); // then "|" and the typing colour afterwards
    QTest::addColumn<QString>("focus");

    QTest::newRow("space writes the entry found") << true << "<ta " << "<table " << "KBBBBBB|P" << "Text2";
    QTest::newRow("letter case ignored") << true << "<TA " << "<table " << "KBBBBBB|P" << "Text2";
    QTest::newRow("without Check1 as typed") << false << "<ta " << "<ta " << "KBBB|P" << "Text2";
    QTest::newRow("nothing matches") << true << "<xyz " << "<xyz " << "KBBBB|P" << "Text2";
    QTest::newRow("comment red, no list") << true << "<!-- " << "<!-- " << "KRRRR|R" << "RichTextBox1";
    QTest::newRow("doctype red") << true << "<!d " << "<!doctype " << "KRRRRRRRRR|R" << "Text2";
    // Typed "!d" is no tag of the vocabulary: its attributes are purple.
    QTest::newRow("declaration red as typed") << false << "<!d " << "<!d " << "KRRR|P" << "Text2";
    QTest::newRow("enter: entry, no blank") << true << "<b{ENTER}" << "<b" << "KB|B" << "RichTextBox1";
    QTest::newRow("enter ignores Check1") << false << "<ta{ENTER}" << "<table" << "KBBBBB|B" << "RichTextBox1";
    QTest::newRow("right arrow: as typed") << true << "<ta{RIGHT}" << "<ta" << "KBB|B" << "RichTextBox1";
    QTest::newRow("closing tag") << true << "</p>" << "</p>" << "KBBK|K" << "RichTextBox1";
    QTest::newRow("greater in the box ends the tag") << true << "<ta> " << "<ta> " << "KBBKK|K" << "RichTextBox1";
    QTest::newRow("backspace takes back the bracket") << true << "a<{BS}" << "a" << "K|K" << "RichTextBox1";
    QTest::newRow("bang in running text") << true << "Hi! x" << "Hi! x" << "KKRRR|R" << "RichTextBox1";
    QTest::newRow("greater in the source") << true << "<{ESC}!x>y" << "<!x>y" << "KRRKK|K" << "RichTextBox1";
    QTest::newRow("escape writes nothing") << true << "<ta{ESC}" << "<" << "K|B" << "RichTextBox1";
    QTest::newRow("escape: tag typed by hand") << true << "<b{ENTER}><{ESC}p al=" << "<b><p align=" << "KBKKBBPPPPPP|G"
                                               << "RichTextBox1";
    QTest::newRow("down picks the next") << true << "<ta{DOWN} " << "<tbody " << "KBBBBBB|P" << "Text2";
    QTest::newRow("picked wins without Check1") << false << "<ta{DOWN} " << "<tbody " << "KBBBBBB|P" << "Text2";
    QTest::newRow("up picks the one before") << true << "<tb{UP}{ENTER}" << "<table" << "KBBBBB|B" << "RichTextBox1";
    QTest::newRow("down starts at the top") << true << "<{DOWN}{DOWN}{DOWN} " << "<a " << "KBB|P" << "Text2";
    QTest::newRow("down at the last entry stays there") << true << "<video{DOWN}{DOWN} " << "<video " << "KBBBBBB|P" << "Text2";
    QTest::newRow("page down runs out at the last entry") << true << "<v" + QString("{PGDN}").repeated(12) + " " << "<video " << "KBBBBBB|P" << "Text2";
}

void TestTagCompletion::keysWriteTagsInTheirColours()
{
    QFETCH(bool, check1);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QString, colours);
    QFETCH(QString, focus);
    FrameFixture f;
    Form1 *doc = f.active();
    doc->Check(1)->setChecked(check1);
    CompletionTyping::typeAndCompare(doc, keys, text, colours, focus);
}

void TestTagCompletion::injectedKeysArriveWithNoActiveWindow_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("colours"); // then "|" and the typing colour afterwards
    QTest::addColumn<QString>("focus");
    // Each of these keys makes a handler inject a key of its own.
    QTest::newRow("space opens the attribute list") << "<ta " << "<table " << "KBBBBBB|P" << "Text2";
    QTest::newRow("backspace takes back the bracket") << "a<{BS}" << "a" << "K|K" << "RichTextBox1";
    QTest::newRow("greater in the box ends the tag") << "<b>x" << "<b>x" << "KBKK|K" << "RichTextBox1";
    QTest::newRow("attribute space reopens the list") << "<table bo " << "<table border " << "KBBBBBBPPPPPPP|P" << "Text2";
    QTest::newRow("backspace takes back the blank") << "<table {BS}" << "<table" << "KBBBBB|B" << "RichTextBox1";
}

void TestTagCompletion::injectedKeysArriveWithNoActiveWindow()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QString, colours);
    QFETCH(QString, focus);
    FrameFixture f;
    Form1 *doc = f.active();
    doc->richTextBox1()->setFocus();
    // Another program has the keyboard; the window still gets the keys.
    QApplication::setActiveWindow(nullptr);
    QVERIFY(!QApplication::focusWidget());
    CompletionTyping::typeAndCompare(doc, keys, text, colours, focus);
}

void TestTagCompletion::chosenTagFillsTheAttributeList_data()
{
    QTest::addColumn<bool>("check1");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("tagName");
    QTest::addColumn<QString>("firstEntry");

    QTest::newRow("table") << true << "<ta " << "table" << "border";
    QTest::newRow("typed ta has no row") << false << "<ta " << "ta" << "class";
    QTest::newRow("nothing matched") << true << "<xyz " << "" << "（不明なタグ名）";
    QTest::newRow("nothing matched, as typed") << false << "<xyz " << "" << "（不明なタグ名）";
    QTest::newRow("enter fills, shows nothing") << true << "<b{ENTER}" << "b" << "class";
}

void TestTagCompletion::chosenTagFillsTheAttributeList()
{
    QFETCH(bool, check1);
    QFETCH(QString, keys);
    QFETCH(QString, tagName);
    QFETCH(QString, firstEntry);
    FrameFixture f;
    Form1 *doc = f.active();
    doc->Check(1)->setChecked(check1);
    doc->richTextBox1()->setFocus();
    CompletionTyping::press(keys);
    QCOMPARE(doc->TagName, tagName);
    QCOMPARE(doc->List2()->item(0)->text(), firstEntry);
    QCOMPARE(doc->List2()->isVisible(), keys.endsWith(QLatin1Char(' ')));
    QVERIFY(doc->Text1()->text().isEmpty());
}

void TestTagCompletion::pageKeysMoveByAPage()
{
    FrameFixture f;
    Form1 *doc = f.active();
    doc->richTextBox1()->setFocus();
    CompletionTyping::press(QStringLiteral("<a{PGDN}"));
    const int row = doc->List1()->currentRow();
    QVERIFY(row > 3);
    QCOMPARE(doc->Text1()->text(), doc->List1()->item(row)->text());
    CompletionTyping::press(QStringLiteral("{PGUP}"));
    QCOMPARE(doc->Text1()->text(), QStringLiteral("a"));
}

void TestTagCompletion::doubleClickWritesTheEntryOnly()
{
    FrameFixture f;
    Form1 *doc = f.active();
    doc->TagName = QStringLiteral("p");
    doc->richTextBox1()->setFocus();
    CompletionTyping::press(QStringLiteral("<di"));
    CompletionTyping::doubleClick(doc->List1(), QStringLiteral("div"));
    QCOMPARE(doc->richTextBox1()->Text(), QStringLiteral("<div"));
    QCOMPARE(CompletionTyping::focusName(), QStringLiteral("RichTextBox1"));
    QVERIFY(doc->Text1()->isHidden() && doc->List1()->isHidden());
    QVERIFY(doc->Text1()->text().isEmpty());
    QCOMPARE(doc->TagName, QStringLiteral("p"));
}

void TestTagCompletion::popupOpensBesideTheCaret_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("above");
    QTest::newRow("list below the filter box") << 0 << false;
    QTest::newRow("list above it near the bottom") << 20 << true;
}

void TestTagCompletion::popupOpensBesideTheCaret()
{
    QFETCH(int, lines);
    QFETCH(bool, above);
    FrameFixture f;
    Form1 *doc = f.active();
    QWidget *window = doc->parentWidget();
    window->resize(window->width(), Twips::toPixels(4500, doc));
    doc->richTextBox1()->setFocus();
    CompletionTyping::press(QStringLiteral("{ENTER}").repeated(lines) + QStringLiteral("<"));
    const QPoint caret = doc->richTextBox1()->caretPosition();
    const int x = Twips::fromPixels(caret.x(), doc);
    const int y = Twips::fromPixels(caret.y(), doc);
    QCOMPARE(Twips::fromPixels(window->height(), doc) - 2200 <= y, above);
    const int listTop = above ? y - 600 : y + 700;
    QCOMPARE(doc->Text1()->pos(), QPoint(Twips::toPixels(x + 50, doc), Twips::toPixels(y + 420, doc)));
    QCOMPARE(doc->List1()->pos(), QPoint(Twips::toPixels(x + 50, doc), Twips::toPixels(listTop, doc)));
    if (above) // beside the filter box, not over it
        QVERIFY(doc->List1()->geometry().bottom() < doc->Text1()->y());
}

void TestTagCompletion::slashShiftsThePopup()
{
    FrameFixture f;
    Form1 *doc = f.active();
    doc->richTextBox1()->setFocus();
    CompletionTyping::press(QStringLiteral("<"));
    const QPoint filter = doc->Text1()->pos();
    const QPoint list = doc->List1()->pos();
    CompletionTyping::press(QStringLiteral("/"));
    const QPoint shift(Twips::toPixels(100, doc), 0);
    QCOMPARE(doc->Text1()->pos(), filter + shift);
    QCOMPARE(doc->List1()->pos(), list + shift);
    QCOMPARE(CompletionTyping::focusName(), QStringLiteral("Text1"));
    QCOMPARE(doc->richTextBox1()->Text(), QStringLiteral("</"));
}

QTEST_MAIN(TestTagCompletion)
#include "tst_tagcompletion.moc"
