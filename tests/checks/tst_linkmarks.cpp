#include "framefixture.h"

#include "frame/advicebar.h"
#include "frame/standardtoolbar.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>

// The link check run from the document window: marks, the advice bar, and
// what it must leave alone.
class TestLinkMarks : public QObject
{
    Q_OBJECT

private slots:
    void marksBrokenTargetsAndReports_data();
    void marksBrokenTargetsAndReports();
    void markingIsNoModification_data();
    void markingIsNoModification();
    void undoNeverStopsAtTheMarks();
    void marksMoveWithTheText_data();
    void marksMoveWithTheText();
    void toolbarButtonRunsTheCheck();
    void untitledPageLooksInTheWorkingFolder();
};

// Whether the character at `offset` (CR LF counted twice) is shown bold,
// underlined and dark red: its own format with what its line lays over it.
static bool isMarked(RichTextBox1 *box, qsizetype offset)
{
    const int position = box->positionFromOffset(offset);
    QTextCursor cursor(box->document());
    cursor.setPosition(position + 1);
    QTextCharFormat format = cursor.charFormat();
    const QTextBlock block = box->document()->findBlock(position);
    for (const QTextLayout::FormatRange &range : block.layout()->formats())
        if (position - block.position() >= range.start && position - block.position() < range.start + range.length)
            format.merge(range.format);
    return format.fontWeight() >= QFont::Bold && format.fontUnderline()
        && format.foreground().color() == QColor(180, 0, 0);
}

static QString markedText(RichTextBox1 *box)
{
    const QString text = box->Text();
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\r' || text.at(i) == u'\n')
            continue;
        if (isMarked(box, i))
            out += text.at(i);
        else if (!out.isEmpty() && !out.endsWith(u'|'))
            out += u'|';
    }
    if (out.endsWith(u'|'))
        out.chop(1);
    return out;
}

void TestLinkMarks::marksBrokenTargetsAndReports_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("marked"); // the marked characters, "|" between marks
    QTest::addColumn<QString>("advice");

    const QString ok = QStringLiteral("正常：リンク切れは見つかりませんでした。");
    const QString two = QStringLiteral("注意：リンク切れの数：2個\u3000※ヒント：リンク切れの箇所を赤字の下線付き太字にしました");
    QTest::newRow("no links at all") << QByteArray("<p>text</p>") << QString() << ok;
    QTest::newRow("existing file, in img/ below the page") << QByteArray("<img src=\"img/a.gif\">") << QString() << ok;
    QTest::newRow("two missing, any quoting, second line")
        << QByteArray("<a href='gone.html'>x</a>\r\n<A HREF = lost.htm>y</A>") << QStringLiteral("gone.html|lost.htm")
        << two;
    QTest::newRow("http, mailto and a defined #name are fine")
        << QByteArray("<a href=\"http://x/\">a</a><a href=\"mailto:a@b\">b</a><a name=n></a><a href=\"#n\">c</a>")
        << QString() << ok;
}

void TestLinkMarks::marksBrokenTargetsAndReports()
{
    QFETCH(QByteArray, page);
    QFETCH(QString, marked);
    QFETCH(QString, advice);
    FrameFixture f;
    QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("img")));
    f.writeFile(QStringLiteral("img/a.gif"), "GIF89a");
    Form1 *doc = f.openFile(f.writeFile(QStringLiteral("page.html"), page));
    RichTextBox1 *box = doc->richTextBox1();
    box->setSelStart(3);

    QTest::keyClick(box, Qt::Key_F6);

    QCOMPARE(markedText(box), marked);
    QCOMPARE(f.frame->Toolbar4()->Text1()->text(), advice);
    QCOMPARE(box->SelStart(), qsizetype(3));
    QCOMPARE(box->SelLength(), qsizetype(0));
}

void TestLinkMarks::markingIsNoModification_data()
{
    QTest::addColumn<bool>("typedFirst");
    QTest::newRow("fresh file stays unmodified") << false;
    QTest::newRow("edited page stays modified") << true;
}

void TestLinkMarks::markingIsNoModification()
{
    QFETCH(bool, typedFirst);
    FrameFixture f;
    Form1 *doc = f.openFile(f.writeFile(QStringLiteral("page.html"), "<a href=\"none.html\">x</a>"));
    if (typedFirst)
        f.type(QStringLiteral("z"));
    QCOMPARE(doc->TextEdit, typedFirst);
    QTest::keyClick(doc->richTextBox1(), Qt::Key_F6);
    QVERIFY(f.frame->Toolbar4()->Text1()->text().startsWith(QStringLiteral("注意：リンク切れの数：1個")));
    QCOMPARE(doc->TextEdit, typedFirst);
}

void TestLinkMarks::undoNeverStopsAtTheMarks()
{
    FrameFixture f;
    Form1 *doc = f.openFile(f.writeFile(QStringLiteral("page.html"), "<a href=\"none.html\">x</a>"));
    RichTextBox1 *box = doc->richTextBox1();
    QTest::keyClick(box, Qt::Key_F6);
    // Marks on a page with nothing to undo leave nothing to undo.
    QVERIFY(!box->document()->isUndoAvailable());
    box->moveCursor(QTextCursor::End);
    f.type(QStringLiteral("q"));
    QTest::keyClick(box, Qt::Key_F6);
    // The one Ctrl+Z takes the typing back: there is no step of marks alone.
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box->Text(), QStringLiteral("<a href=\"none.html\">x</a>"));
    QVERIFY(!box->document()->isUndoAvailable());
}

void TestLinkMarks::marksMoveWithTheText_data()
{
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("marked");

    // The page: <a href="none.html">x</a>
    QTest::newRow("typed before the mark, same line") << 0 << "zz" << "none.html";
    QTest::newRow("new line before the mark") << 0 << "\n" << "none.html";
    QTest::newRow("typed after the link") << 26 << "tail" << "none.html";
    QTest::newRow("mark's text deleted: mark gone") << 9 << "\b\b\b\b\b\b\b\b\b" << "";
}

void TestLinkMarks::marksMoveWithTheText()
{
    QFETCH(int, caret);
    QFETCH(QString, keys);
    QFETCH(QString, marked);
    FrameFixture f;
    Form1 *doc = f.openFile(f.writeFile(QStringLiteral("page.html"), "<a href=\"none.html\">x</a>"));
    RichTextBox1 *box = doc->richTextBox1();
    QTest::keyClick(box, Qt::Key_F6);
    box->setSelStart(caret);
    for (const QChar key : keys) {
        if (key == u'\n')
            QTest::keyClick(box, Qt::Key_Return);
        else if (key == u'\b')
            QTest::keyClick(box, Qt::Key_Delete);
        else
            QTest::keyClick(box, key.toLatin1());
    }
    FrameFixture::settle();
    QCOMPARE(markedText(box), marked);
}

void TestLinkMarks::toolbarButtonRunsTheCheck()
{
    FrameFixture f;
    Form1 *doc = f.openFile(f.writeFile(QStringLiteral("page.html"), "<a href=\"none.html\">x</a>"));
    QAction *deadChk = f.frame->toolbarButton(23);
    QVERIFY(deadChk && deadChk->isVisible() && deadChk->isEnabled());
    QCOMPARE(deadChk->objectName(), QStringLiteral("dead_chk"));
    QWidget *button = f.frame->Toolbar1()->widgetForAction(deadChk);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(markedText(doc->richTextBox1()), QStringLiteral("none.html"));
    QVERIFY(!doc->TextEdit);
}

void TestLinkMarks::untitledPageLooksInTheWorkingFolder()
{
    FrameFixture f;
    f.writeFile(QStringLiteral("here.html"), "x");
    Form1 *doc = f.active();
    f.frame->WorkDir = f.dir.path();
    doc->richTextBox1()->setSelText(QStringLiteral("<a href=\"here.html\">a</a><a href=\"gone.html\">b</a>"));
    doc->runByName(QStringLiteral("IDM_LINK_CHK"));
    QCOMPARE(markedText(doc->richTextBox1()), QStringLiteral("gone.html"));
}

QTEST_MAIN(TestLinkMarks)
#include "tst_linkmarks.moc"
