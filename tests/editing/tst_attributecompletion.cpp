#include "completiontyping.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {
const QStringList kCommon = {"class", "id", "lang", "style", "dir", "title"};
const QStringList kIeGroup = {"contenteditable", "disabled", "hidefocus", "tabindex", "unselectable", "language"};
}

class TestAttributeCompletion : public QObject
{
    Q_OBJECT

private slots:
    void keysWriteAttributesInTheirColours_data();
    void keysWriteAttributesInTheirColours();
    void blankReopensTheTagBeforeTheCaret_data();
    void blankReopensTheTagBeforeTheCaret();
    void movingAwayClosesAReopenedTag();
    void scanThatFindsNoTagKeepsLaterListsOpen();
    void tagNameFindReadsAroundTheCaret_data();
    void tagNameFindReadsAroundTheCaret();
    void checkBoxesWidenTheNextFill_data();
    void checkBoxesWidenTheNextFill();
    void doubleClickWritesTheEntry();
};

void TestAttributeCompletion::keysWriteAttributesInTheirColours_data()
{
    QTest::addColumn<bool>("check2");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("colours"); // then "|" and the typing colour afterwards
    QTest::addColumn<QString>("focus");

    QTest::newRow("equals: entry, value green") << true << "<a hr=" << "<a href=" << "KBBPPPPP|G" << "RichTextBox1";
    QTest::newRow("equals without Check2") << false << "<a hr=" << "<a hr=" << "KBBPPP|G" << "RichTextBox1";
    QTest::newRow("quoted value, next attribute") << true << "<a hr=\"x\" " << "<a href=\"x\" " << "KBBPPPPPGGGP|P" << "Text2";
    QTest::newRow("space: entry, list again") << true << "<table bo " << "<table border " << "KBBBBBBPPPPPPP|P" << "Text2";
    QTest::newRow("enter: entry") << true << "<table bo{ENTER}" << "<table border" << "KBBBBBBPPPPPP|P" << "RichTextBox1";
    QTest::newRow("enter in the empty box") << true << "<table {ENTER}" << "<table " << "KBBBBBB|P" << "Text2";
    QTest::newRow("backspace takes back the blank") << true << "<table {BS}" << "<table" << "KBBBBB|B" << "RichTextBox1";
    QTest::newRow("backspace edits the box") << true << "<td wx{BS}i=" << "<td width=" << "KBBBPPPPPP|G" << "RichTextBox1";
    QTest::newRow("blank inside a value") << true << "<a hr=\"x y" << "<a href=\"x y" << "KBBPPPPPGGGG|G" << "RichTextBox1";
    QTest::newRow("greater after a value") << true << "<a hr=\"x\">t" << "<a href=\"x\">t" << "KBBPPPPPGGGKK|K" << "RichTextBox1";
    QTest::newRow("quotes outside tags") << true << "\"a\"b" << "\"a\"b" << "GGGP|P" << "RichTextBox1";
    QTest::newRow("tag written with right arrow") << true << "<b{RIGHT} zz=" << "<b zz=" << "KBBPPP|G" << "RichTextBox1";
    QTest::newRow("escape writes nothing") << true << "<table bo{ESC}" << "<table " << "KBBBBBB|P" << "RichTextBox1";
    QTest::newRow("down picks the next") << true << "<hr co{DOWN}=" << "<hr noshade=" << "KBBBPPPPPPPP|G" << "RichTextBox1";
    QTest::newRow("picked wins without Check2") << false << "<hr co{DOWN}=" << "<hr noshade=" << "KBBBPPPPPPPP|G" << "RichTextBox1";
    QTest::newRow("down starts at the top") << true << "<hr {DOWN}{DOWN}{UP}=" << "<hr align=" << "KBBBPPPPPP|G" << "RichTextBox1";
    QTest::newRow("down at the last entry stays there") << true << "<hr " + QString("{PGDN}").repeated(12) + "{DOWN}{DOWN}{ENTER}"
                                                       << "<hr aria-" << "KBBBPPPPP|P" << "RichTextBox1";
    QTest::newRow("data- by space: the name goes on") << true << "<p data- x=\"1\"" << "<p data-x=\"1\"" << "KBBPPPPPPPGGG|P" << "RichTextBox1";
    QTest::newRow("aria- by equals: no equals written") << true << "<p ari=" << "<p aria-" << "KBBPPPPP|P" << "RichTextBox1";
    QTest::newRow("doctype stays red") << true << "<!doctype h " << "<!doctype html " << "KRRRRRRRRRRRRRR|R" << "Text2";
}

void TestAttributeCompletion::keysWriteAttributesInTheirColours()
{
    QFETCH(bool, check2);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QString, colours);
    QFETCH(QString, focus);
    FrameFixture f;
    Form1 *doc = f.active();
    doc->Check(2)->setChecked(check2);
    CompletionTyping::typeAndCompare(doc, keys, text, colours, focus);
}

void TestAttributeCompletion::blankReopensTheTagBeforeTheCaret_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("tagName"); // empty: no list opens

    QTest::newRow("after a closing quote") << QByteArray("<img src=\"a.gif\">") << 16 << "img";
    QTest::newRow("in the tag name") << QByteArray("<TABLE>") << 3 << "table";
    QTest::newRow("in an attribute name") << QByteArray("<td width=1>") << 7 << "td";
    QTest::newRow("at the start of the tag's second line") << QByteArray("<a href=\"x\"\r\n>link</a>") << 13 << "a";
    QTest::newRow("on a later line of the tag") << QByteArray("<img\r\n src=\"a\"\r\n alt=x>") << 20 << "img";
    QTest::newRow("inside a value") << QByteArray("<a href=\"x.html\">") << 12 << "";
    QTest::newRow("plain text") << QByteArray("<p>text</p>") << 5 << "";
    QTest::newRow("comment") << QByteArray("<!-- a b -->") << 6 << "";
}

void TestAttributeCompletion::blankReopensTheTagBeforeTheCaret()
{
    QFETCH(QByteArray, file);
    QFETCH(int, caret);
    QFETCH(QString, tagName);
    FrameFixture f;
    Form1 *doc = f.openFile(f.writeFile(QStringLiteral("page.html"), file));
    RichTextBox1 *box = doc->richTextBox1();
    box->setFocus();
    box->setSelStart(caret);
    CompletionTyping::press(QStringLiteral(" "));
    QCOMPARE(box->Text(), QString::fromLatin1(file).insert(caret, QLatin1Char(' ')));
    QCOMPARE(doc->List2()->isVisible(), !tagName.isEmpty());
    QCOMPARE(doc->TagReopened, tagName.isEmpty() ? 0 : 1);
    if (!tagName.isEmpty()) {
        QCOMPARE(CompletionTyping::focusName(), QStringLiteral("Text2"));
        QCOMPARE(doc->TagName, tagName);
        QCOMPARE(CompletionTyping::letter(box->SelColor()), QLatin1Char('P'));
    }
}

void TestAttributeCompletion::movingAwayClosesAReopenedTag()
{
    FrameFixture f;
    Form1 *doc = f.openFile(f.writeFile(QStringLiteral("img.html"), "<img src=\"a.gif\">\r\ntext"));
    RichTextBox1 *box = doc->richTextBox1();
    box->setFocus();
    box->setSelStart(16);
    CompletionTyping::press(QStringLiteral(" al=\"x\" "));
    QCOMPARE(box->Text(), QStringLiteral("<img src=\"a.gif\" alt=\"x\" >\r\ntext"));
    QCOMPARE(CompletionTyping::focusName(), QStringLiteral("Text2"));
    QCOMPARE(doc->TagBegin, 1);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->cursorRect().center() + QPoint(0, 40));
    FrameFixture::settle();
    QCOMPARE(CompletionTyping::focusName(), QStringLiteral("RichTextBox1"));
    QCOMPARE(doc->TagBegin, 0);
    QCOMPARE(doc->TagReopened, 0);
}

void TestAttributeCompletion::scanThatFindsNoTagKeepsLaterListsOpen()
{
    FrameFixture f;
    // Blue all the way, but its "<" lies more than 300 characters back.
    Form1 *doc = f.openFile(f.writeFile(QStringLiteral("long.html"), "<" + QByteArray(400, 'a')));
    doc->richTextBox1()->setFocus();
    doc->richTextBox1()->setSelStart(401);
    CompletionTyping::press(QStringLiteral(" "));
    QCOMPARE(doc->richTextBox1()->Text().size(), 402);
    QVERIFY(doc->List2()->isHidden());
    QCOMPARE(doc->TagBegin, 0);
    // No list was opened for a scanned tag: a list opened after "<" must not
    // close its tag when its filter box loses the focus.
    CompletionTyping::press(QStringLiteral("<a hr="));
    QCOMPARE(doc->TagBegin, 1);
}

void TestAttributeCompletion::tagNameFindReadsAroundTheCaret_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("tagName"); // null: no tag found

    const QString lineBreak = QStringLiteral("\r\n");
    QTest::newRow("line breaks count twice: 300 back") << "<a " + lineBreak.repeated(148) + "x" << 300 << "a";
    QTest::newRow("line breaks count twice: 301 back") << "<a " + lineBreak.repeated(149) << 301 << QString();
    QTest::newRow("deep in a large document") << QString(100000, 'x') + "\r\n<TD x" << 100006 << "td";
    QTest::newRow("name runs on past the caret") << "<tab id=x>" << 3 << "tab";
}

void TestAttributeCompletion::tagNameFindReadsAroundTheCaret()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, tagName);
    FrameFixture f;
    Form1 *doc = f.active();
    doc->richTextBox1()->setText(text);
    doc->richTextBox1()->setSelStart(caret);
    doc->TagName = QStringLiteral("unchanged");
    doc->TagBegin = 1;
    doc->TagNameFind();
    QCOMPARE(doc->TagBegin, tagName.isNull() ? 0 : 1);
    QCOMPARE(doc->TagName, tagName.isNull() ? QStringLiteral("unchanged") : tagName);
}

void TestAttributeCompletion::checkBoxesWidenTheNextFill_data()
{
    QTest::addColumn<bool>("check3");
    QTest::addColumn<bool>("check4");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("i-mode") << true << false << QStringList{"compact", "type"} + kCommon;
    QTest::newRow("browser extensions") << false << true << QStringList{"compact"} + kIeGroup + kCommon;
    QTest::newRow("both") << true << true << QStringList{"compact", "type"} + kIeGroup + kCommon;
}

void TestAttributeCompletion::checkBoxesWidenTheNextFill()
{
    QFETCH(bool, check3);
    QFETCH(bool, check4);
    QFETCH(QStringList, entries);
    FrameFixture f;
    Form1 *doc = f.active();
    doc->richTextBox1()->setFocus();
    CompletionTyping::press(QStringLiteral("<menu "));
    doc->Check(3)->setChecked(check3);
    doc->Check(4)->setChecked(check4);
    // Not refilled while shown.
    QCOMPARE(CompletionTyping::entries(doc->List2()).mid(0, 7), QStringList{"compact"} + kCommon);
    CompletionTyping::press(QStringLiteral("{BS}>"));
    doc->richTextBox1()->setFocus();
    CompletionTyping::press(QStringLiteral("<menu "));
    // Today's attributes follow what the check boxes widen.
    QCOMPARE(CompletionTyping::entries(doc->List2()).mid(0, entries.size()), entries);
}

void TestAttributeCompletion::doubleClickWritesTheEntry()
{
    FrameFixture f;
    Form1 *doc = f.active();
    doc->richTextBox1()->setFocus();
    CompletionTyping::press(QStringLiteral("<hr "));
    CompletionTyping::doubleClick(doc->List2(), QStringLiteral("noshade"));
    QCOMPARE(doc->richTextBox1()->Text(), QStringLiteral("<hr noshade"));
    QCOMPARE(CompletionTyping::focusName(), QStringLiteral("RichTextBox1"));
    QVERIFY(doc->Text2()->isHidden() && doc->List2()->isHidden());
}

QTEST_MAIN(TestAttributeCompletion)
#include "tst_attributecompletion.moc"
