#include "checks/restorepoint.h"
#include "document/deferredcolouring.h"
#include "document/linecuts.h"
#include "document/richtextbox1.h"

#include <QTest>

// The page as a restore point holds it, taken from the edit control and put
// back: text, colours and marks exactly, as one undo step, whatever pieces
// the document holds the page in and whether its colours are all written yet.
class TestContentSnapshot : public QObject
{
    Q_OBJECT

private slots:
    void captureAndRestoreGiveTheSamePage_data();
    void captureAndRestoreGiveTheSamePage();
    void restoreWhileColoursStillWait();
};

Q_DECLARE_METATYPE(ColourRuns)
Q_DECLARE_METATYPE(TextRanges)

namespace {

QString longLine()
{
    return QStringLiteral("<a href=\"x.html\">日本語</a> ").repeated(int(3 * LineCuts::MaxPiece / 26 + 1));
}

// A page of `lines` lines "<i>x</i>": the two tags blue, the x default.
QString taggedPage(int lines)
{
    return QStringLiteral("<i>x</i>\n").repeated(lines);
}

ColourRuns taggedRuns(int lines, SyntaxColor colour)
{
    ColourRuns runs;
    for (int i = 0; i < lines; ++i) {
        runs.append({qsizetype(i) * 9, 3, colour});
        runs.append({qsizetype(i) * 9 + 4, 4, colour});
    }
    return runs;
}

} // namespace

void TestContentSnapshot::captureAndRestoreGiveTheSamePage_data()
{
    QTest::addColumn<QString>("text");          // as set, CR LF line breaks
    QTest::addColumn<ColourRuns>("colours");    // positions of the text with one character a line break
    QTest::addColumn<TextRanges>("marks");      // offsets, CR LF counted twice
    QTest::addColumn<ColourRuns>("heldColours");
    QTest::addColumn<TextRanges>("heldMarks");

    QTest::newRow("tags blue, text between them left out")
        << QStringLiteral("<b>x</b>") << ColourRuns{{0, 3, SyntaxColor::Blue}, {3, 1, SyntaxColor::Default}, {4, 4, SyntaxColor::Blue}}
        << TextRanges{} << ColourRuns{{0, 3, SyntaxColor::Blue}, {4, 4, SyntaxColor::Blue}} << TextRanges{};
    QTest::newRow("one colour over a line break: a run each side of it")
        << QStringLiteral("ab\r\ncd") << ColourRuns{{0, 5, SyntaxColor::Green}} << TextRanges{}
        << ColourRuns{{0, 2, SyntaxColor::Green}, {3, 2, SyntaxColor::Green}} << TextRanges{};
    QTest::newRow("touching runs of one colour: one run")
        << QStringLiteral("<!-- -->") << ColourRuns{{0, 4, SyntaxColor::Red}, {4, 4, SyntaxColor::Red}} << TextRanges{}
        << ColourRuns{{0, 8, SyntaxColor::Red}} << TextRanges{};
    QTest::newRow("splitting characters at both ends and beside line breaks")
        << QStringLiteral("\u2029a\r\n\uFDD1\r\nb\uFDD0")
        << ColourRuns{{0, 1, SyntaxColor::Purple}, {3, 1, SyntaxColor::Blue}, {6, 1, SyntaxColor::Purple}}
        << TextRanges{} << ColourRuns{{0, 1, SyntaxColor::Purple}, {3, 1, SyntaxColor::Blue}, {6, 1, SyntaxColor::Purple}}
        << TextRanges{};
    QTest::newRow("link mark on the second line")
        << QStringLiteral("a\r\n<a href=x>y</a>") << ColourRuns{{2, 2, SyntaxColor::Blue}} << TextRanges{{11, 3}}
        << ColourRuns{{2, 2, SyntaxColor::Blue}} << TextRanges{{10, 3}};
    QTest::newRow("empty page") << QString() << ColourRuns{} << TextRanges{} << ColourRuns{} << TextRanges{};
    const QString line = longLine();
    QTest::newRow("long line held in pieces: one run and one mark across the soft breaks")
        << QStringLiteral("x\r\n") + line << ColourRuns{{2, line.size(), SyntaxColor::Blue}}
        << TextRanges{{3, line.size() - 1}} << ColourRuns{{2, line.size(), SyntaxColor::Blue}}
        << TextRanges{{2, line.size() - 1}};
}

void TestContentSnapshot::captureAndRestoreGiveTheSamePage()
{
    QFETCH(QString, text);
    QFETCH(ColourRuns, colours);
    QFETCH(TextRanges, marks);
    QFETCH(ColourRuns, heldColours);
    QFETCH(TextRanges, heldMarks);

    RichTextBox1 box;
    box.setText(text);
    box.applyScannedColourRuns(colours);
    box.markRanges(marks);
    const RestorePoint::Snapshot held = box.formattedContent();
    QCOMPARE(held.text, QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(held.colours, heldColours);
    QCOMPARE(held.linkMarks, heldMarks);

    // Another page, without long lines or marks, typed on; then the held one
    // back. Undo and redo swap the two.
    box.setText(QStringLiteral("<p>other</p>\r\n"));
    box.moveCursor(QTextCursor::End);
    box.setSelColor(SyntaxColor::Green);
    QTest::keyClicks(&box, QStringLiteral("z"));
    const RestorePoint::Snapshot edited = box.formattedContent();
    box.setFormattedContent(held);
    QCOMPARE(box.Text(), text);
    QVERIFY(box.softBreakCount() > 0 || text.size() < LineCuts::MaxPiece);
    RestorePoint::Snapshot now = box.formattedContent();
    QCOMPARE(now.text, held.text);
    QCOMPARE(now.colours, held.colours);
    QCOMPARE(now.linkMarks, held.linkMarks);

    box.Undo();
    now = box.formattedContent();
    QCOMPARE(now.text, edited.text);
    QCOMPARE(now.colours, edited.colours);
    QCOMPARE(now.linkMarks, edited.linkMarks);
    box.redo();
    now = box.formattedContent();
    QCOMPARE(box.Text(), text);
    QCOMPARE(now.colours, held.colours);
    QCOMPARE(now.linkMarks, held.linkMarks);
}

void TestContentSnapshot::restoreWhileColoursStillWait()
{
    // More runs than are written at once: the rest waits for idle time.
    const int lines = int(DeferredColouring::ChunkRuns) + 100;
    const ColourRuns blue = taggedRuns(lines, SyntaxColor::Blue);
    const ColourRuns red = taggedRuns(lines, SyntaxColor::Red);
    RichTextBox1 box;
    box.setText(taggedPage(lines));
    box.applyScannedColourRuns(blue);
    QVERIFY(box.colouringPending());
    const RestorePoint::Snapshot held = box.formattedContent();
    QCOMPARE(held.colours, RestorePoint::tidied(blue, held.text.size()));

    // The page being replaced has colours still waiting: they belong to what
    // undo brings back.
    const QString other = taggedPage(lines) + QStringLiteral("end");
    box.setText(other);
    box.applyScannedColourRuns(red);
    QVERIFY(box.colouringPending());
    box.setFormattedContent(held);
    // And the restored page's own waiting colours belong to what redo brings back.
    QVERIFY(box.colouringPending());
    box.Undo();
    RestorePoint::Snapshot now = box.formattedContent();
    QCOMPARE(now.text, other);
    QCOMPARE(now.colours, RestorePoint::tidied(red, other.size()));
    box.redo();
    now = box.formattedContent();
    QCOMPARE(now.text, held.text);
    QCOMPARE(now.colours, held.colours);
}

QTEST_MAIN(TestContentSnapshot)
#include "tst_contentsnapshot.moc"
