#include "framefixture.h"

#include "commands/sourcesearch.h"
#include "document/linecuts.h"
#include "editing/colorscanner.h"
#include "shared/syntaxpalette.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextBlock>

namespace {

const QString Astral = QString::fromUcs4(U"\U0002000B");

// A minified line of markup with Japanese and a character outside the basic
// plane, exactly `length` UTF-16 units long.
QString markupLine(qsizetype length)
{
    const QString unit = QStringLiteral("<a href=\"x.html\">日本語") + Astral + QStringLiteral("</a> ");
    QString line = unit.repeated(length / unit.size() + 1).left(length);
    if (line.endsWith(QChar(Astral.at(0))))
        line[line.size() - 1] = QLatin1Char('z');
    return line;
}

// A line with no place a reader would choose: every cut is a hard one.
QString denseLine(qsizetype length)
{
    QString line = (QStringLiteral("あ") + Astral).repeated(length / 3 + 1).left(length);
    if (line.endsWith(QChar(Astral.at(0))))
        line[line.size() - 1] = QLatin1Char('z');
    return line;
}

// The offsets (of Text()) at which the layer holds a soft break.
QList<qsizetype> softBreakOffsets(const RichTextBox1 *box)
{
    QList<qsizetype> found;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().hasProperty(SoftBreaks::MarkProperty))
            found.append(box->offsetFromPosition(block.position()));
    }
    return found;
}

int longestPiece(const RichTextBox1 *box)
{
    int longest = 0;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next())
        longest = qMax(longest, block.length() - 1);
    return longest;
}

} // namespace

class TestSoftBreaks : public QObject
{
    Q_OBJECT

private slots:
    void openEditSaveChangesOnlyTheEdit_data();
    void openEditSaveChangesOnlyTheEdit();
    void readsSeeOneLine_data();
    void readsSeeOneLine();
    void findAndReplaceReachAcrossASoftBreak();
    void copyGivesTheLineWithoutABreak();
    void typingPastTheLimitCutsAgainAndUndoRedoFollow();
    void pastingALongLineKeepsPiecesBounded();
    void deletingMostOfAPieceJoinsItToItsNeighbour();
    void caretCrossesASoftBreakLikeAWrap_data();
    void caretCrossesASoftBreakLikeAWrap();
    void enterAtASoftBreakIsARealLineBreak();
    void colouringSeesTheLogicalLine();
    void tagNameIsFoundAcrossASoftBreak();
    void indentCoversTheWholeLongLine();
    void restorePointGivesBackTheLongLineWithColoursAndMarks();
};

void TestSoftBreaks::openEditSaveChangesOnlyTheEdit_data()
{
    QTest::addColumn<QByteArray>("before");  // lines in front of the long one
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArray>("after");   // lines behind it
    QTest::addColumn<QString>("where");      // start, middle, end, soft, across
    QTest::addColumn<QString>("keys");       // typed there; "\b" is Backspace, "\x7f" Delete

    const QList<qsizetype> lengths = {LineCuts::MaxPiece - 1, LineCuts::MaxPiece, LineCuts::MaxPiece + 1,
                                      3 * LineCuts::MaxPiece + 7};
    struct Neighbours {
        const char *name;
        QByteArray before;
        QByteArray after;
    };
    const QList<Neighbours> neighbours = {
        {"日本語 lines around", "<p>日本語</p>\r\n", "\r\n<p>終わり</p>\r\n"},
        {"𠀋 lines around", "\xf0\xa0\x80\x8b\r\n", "\r\n\xf0\xa0\x80\x8b"},
        {"alone in the file", "", ""},
    };
    const QList<std::pair<const char *, QString>> edits = {
        {"start", QStringLiteral("x")}, {"middle", QStringLiteral("xy")}, {"end", QStringLiteral("x")},
        {"soft", QStringLiteral("x")},  {"soft", QStringLiteral("\b")},   {"soft", QStringLiteral("\x7f")},
        {"across", QStringLiteral("yz")},
    };
    for (const qsizetype length : lengths) {
        for (const Neighbours &n : neighbours) {
            for (const auto &[where, keys] : edits) {
                for (const bool dense : {false, true}) {
                    const QString typed = keys == QLatin1String("\b") ? QStringLiteral("Backspace")
                                        : keys == QLatin1String("\x7f") ? QStringLiteral("Delete") : keys;
                    QTest::addRow("%s, %s line of %lld, %s at %s", n.name, dense ? "dense" : "markup",
                                  qlonglong(length), qPrintable(typed), where)
                        << n.before << (dense ? denseLine(length) : markupLine(length)) << n.after
                        << QString::fromLatin1(where) << keys;
                }
            }
        }
    }
}

void TestSoftBreaks::openEditSaveChangesOnlyTheEdit()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, line);
    QFETCH(QByteArray, after);
    QFETCH(QString, where);
    QFETCH(QString, keys);
    FrameFixture f;
    const QString original = QString::fromUtf8(before) + line + QString::fromUtf8(after);
    const QString path = f.writeFile(QStringLiteral("min.html"), original.toUtf8());
    Form1 *doc = f.openFile(path);
    RichTextBox1 *box = doc->richTextBox1();
    QCOMPARE(box->Text(), original);
    const QList<qsizetype> soft = softBreakOffsets(box);
    QCOMPARE(soft.isEmpty(), line.size() <= LineCuts::MaxPiece);
    QVERIFY(longestPiece(box) <= LineCuts::MaxPiece);

    const qsizetype lineStart = QString::fromUtf8(before).size();
    qsizetype at = lineStart;
    qsizetype selected = 0;
    if (where == QLatin1String("middle"))
        at = lineStart + line.size() / 2;
    else if (where == QLatin1String("end"))
        at = lineStart + line.size();
    else if (where == QLatin1String("soft"))
        at = soft.isEmpty() ? lineStart + line.size() / 2 : soft.first();
    else if (where == QLatin1String("across")) {
        const qsizetype centre = soft.isEmpty() ? lineStart + line.size() / 2 : soft.first();
        at = centre - 3;
        selected = 6;
    }
    if (at > 0 && original.at(at - 1).isHighSurrogate())
        --at;
    if (selected > 0 && original.at(at + selected - 1).isHighSurrogate())
        ++selected;

    QString expected = original;
    box->setSelStart(at);
    box->setSelLength(selected);
    if (keys == QLatin1String("\b")) {
        QTest::keyClick(box, Qt::Key_Backspace);
        const qsizetype width = original.at(at - 1).isLowSurrogate() ? 2 : 1;
        expected.remove(at - width, width);
    } else if (keys == QLatin1String("\x7f")) {
        QTest::keyClick(box, Qt::Key_Delete);
        expected.remove(at, original.at(at).isHighSurrogate() ? 2 : 1);
    } else {
        QTest::keyClicks(box, keys);
        expected.replace(at, selected, keys);
    }
    QCOMPARE(box->Text(), expected);
    QVERIFY(longestPiece(box) <= LineCuts::MaxPiece);
    doc->IDM_SAVE();
    QVERIFY(f.seam.messages.isEmpty());
    QCOMPARE(FrameFixture::readFile(path), expected.toUtf8());
}

void TestSoftBreaks::readsSeeOneLine_data()
{
    QTest::addColumn<QString>("text");
    const QString line = markupLine(3 * LineCuts::MaxPiece);
    QTest::newRow("head\\r\\n<long markup>\\r\\ntail") << QStringLiteral("head\r\n") + line + QStringLiteral("\r\ntail");
    QTest::newRow("<long dense 𠀋 line> alone") << denseLine(5 * LineCuts::MaxPiece / 2);
    QTest::newRow("\\r\\n<long>\\r\\n\\r\\n<long>\\r\\n") << QStringLiteral("\r\n") + line + QStringLiteral("\r\n\r\n")
                                                             + denseLine(LineCuts::MaxPiece + 10) + QStringLiteral("\r\n");
}

void TestSoftBreaks::readsSeeOneLine()
{
    QFETCH(QString, text);
    RichTextBox1 box;
    box.setText(text);
    const QList<qsizetype> soft = softBreakOffsets(&box);
    QVERIFY(!soft.isEmpty());
    QCOMPARE(box.Text(), text);
    QCOMPARE(box.textLength(), text.size());
    QCOMPARE(box.fileText(), QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(box.scanText(), QString(text).replace(QStringLiteral("\r\n"), QString(QChar::ParagraphSeparator)));

    // Offsets, characters and lines around every soft break.
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    for (const qsizetype at : soft) {
        for (qsizetype offset = at - 3; offset <= qMin(at + 3, text.size()); ++offset) {
            QCOMPARE(box.characterAt(offset), offset < text.size() ? text.at(offset) : QChar());
            QCOMPARE(box.offsetFromPosition(box.positionFromOffset(offset)), offset);
            box.setSelStart(offset);
            QCOMPARE(box.SelStart(), offset);
            const int line = int(text.left(offset).count(QStringLiteral("\r\n")));
            QCOMPARE(box.lineOfCaret(), line);
            QCOMPARE(box.lineText(line), lines.at(line).left(255));
        }
        // A selection across the break, neither end inside a pair.
        const qsizetype start = text.at(at - 5).isLowSurrogate() ? at - 6 : at - 5;
        qsizetype end = qMin(at + 5, text.size());
        if (end < text.size() && text.at(end).isLowSurrogate())
            ++end;
        box.setSelStart(start);
        box.setSelLength(end - start);
        QCOMPARE(box.SelLength(), end - start);
        QCOMPARE(box.SelText(), text.mid(start, end - start));
        const qsizetype from = qMax<qsizetype>(0, at - 300);
        QCOMPARE(box.textBetween(at - 300, at + 300), text.mid(from, at + 300 - from));
    }
    // Every line, short or long, by its index.
    for (int line = 0; line < lines.size(); ++line)
        QCOMPARE(box.lineText(line), lines.at(line).left(255));
}

void TestSoftBreaks::findAndReplaceReachAcrossASoftBreak()
{
    const QString line = markupLine(3 * LineCuts::MaxPiece);
    RichTextBox1 box;
    box.setText(QStringLiteral("top\r\n") + line);
    const qsizetype at = softBreakOffsets(&box).first();
    const QString needle = box.Text().mid(at - 4, 8);
    box.setSelStart(at - 20);
    const FindMatch match = SourceSearch::nextAfterSelection(&box, needle);
    QCOMPARE(match.start, at - 4);
    SourceSearch::select(&box, match);
    QCOMPARE(box.SelText(), needle);

    QString expected = box.Text();
    expected.replace(at - 4, 8, QStringLiteral("<置換>"));
    box.replaceOccurrences({at - 4}, 8, QStringLiteral("<置換>"));
    QCOMPARE(box.Text(), expected);
    box.Undo();
    QCOMPARE(box.Text(), QStringLiteral("top\r\n") + line);
}

void TestSoftBreaks::copyGivesTheLineWithoutABreak()
{
    const QString line = markupLine(2 * LineCuts::MaxPiece);
    RichTextBox1 box;
    box.setText(line + QStringLiteral("\r\nnext"));
    const qsizetype at = softBreakOffsets(&box).first();
    box.setSelStart(at - 10);
    box.setSelLength(20);
    box.copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), line.mid(at - 10, 20));
    box.cut();
    QCOMPARE(QGuiApplication::clipboard()->text(), line.mid(at - 10, 20));
    QCOMPARE(box.Text(), QString(line).remove(at - 10, 20) + QStringLiteral("\r\nnext"));
}

void TestSoftBreaks::typingPastTheLimitCutsAgainAndUndoRedoFollow()
{
    const QString line = markupLine(LineCuts::MaxPiece - 2);
    RichTextBox1 box;
    box.setText(line);
    QCOMPARE(box.softBreakCount(), 0);
    box.setSelStart(line.size() / 2);
    QTest::keyClicks(&box, QStringLiteral("abcde"));
    QString edited = line;
    edited.insert(line.size() / 2, QStringLiteral("abcde"));
    QCOMPARE(box.Text(), edited);
    QVERIFY(box.softBreakCount() > 0);
    QVERIFY(longestPiece(&box) <= LineCuts::MaxPiece);
    QCOMPARE(box.SelStart(), line.size() / 2 + 5);

    // Typing may take more than one undo step; every state on the way is a
    // whole one: a prefix of the typed text, with offsets that agree.
    for (int step = 0; step < 5 && box.Text() != line; ++step) {
        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
        const QString now = box.Text();
        QCOMPARE(box.textLength(), now.size());
        const qsizetype typed = now.size() - line.size();
        QCOMPARE(now, QString(line).insert(line.size() / 2, QStringLiteral("abcde").left(typed)));
        QCOMPARE(box.lineText(0), now.left(255));
    }
    QCOMPARE(box.Text(), line);
    QCOMPARE(box.softBreakCount(), 0);

    for (int step = 0; step < 5 && box.Text() != edited; ++step)
        QTest::keyClick(&box, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(box.Text(), edited);
    QVERIFY(box.softBreakCount() > 0);
    QCOMPARE(box.textLength(), edited.size());
    box.setSelStart(edited.size());
    QCOMPARE(box.lineOfCaret(), 0);
}

void TestSoftBreaks::pastingALongLineKeepsPiecesBounded()
{
    const QString line = markupLine(4 * LineCuts::MaxPiece);
    RichTextBox1 box;
    box.setText(QStringLiteral("<p></p>"));
    box.setSelStart(3);
    auto *data = new QMimeData;
    data->setText(line + QStringLiteral("\n") + line);
    QGuiApplication::clipboard()->setMimeData(data);
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    const QString pasted = QStringLiteral("<p>") + line + QStringLiteral("\r\n") + line + QStringLiteral("</p>");
    QCOMPARE(box.Text(), pasted);
    QVERIFY(longestPiece(&box) <= LineCuts::MaxPiece);
    QCOMPARE(box.lineText(1), line.left(255));
    box.setSelStart(pasted.size());
    QCOMPARE(box.lineOfCaret(), 1);
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box.Text(), QStringLiteral("<p></p>"));
    QCOMPARE(box.softBreakCount(), 0);
}

void TestSoftBreaks::deletingMostOfAPieceJoinsItToItsNeighbour()
{
    const QString line = markupLine(3 * LineCuts::MaxPiece);
    RichTextBox1 box;
    box.setText(line);
    const int pieces = box.softBreakCount();
    const QList<qsizetype> soft = softBreakOffsets(&box);
    // Select all but a few characters of the second piece and delete them.
    box.setSelStart(soft.at(0) + 2);
    box.setSelLength(soft.at(1) - soft.at(0) - 4);
    QTest::keyClick(&box, Qt::Key_Delete);
    QCOMPARE(box.Text(), QString(line).remove(soft.at(0) + 2, soft.at(1) - soft.at(0) - 4));
    QVERIFY(box.softBreakCount() < pieces);
    box.Undo();
    QCOMPARE(box.Text(), line);
    QCOMPARE(box.softBreakCount(), pieces);
}

void TestSoftBreaks::caretCrossesASoftBreakLikeAWrap_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("from"); // relative to the soft break
    QTest::addColumn<int>("to");
    QTest::newRow("ab|cd -> Right -> abc|d") << int(Qt::Key_Right) << 0 << 1;
    QTest::newRow("a|b cd -> Right -> ab|cd") << int(Qt::Key_Right) << -1 << 0;
    QTest::newRow("ab|cd -> Left -> a|bcd") << int(Qt::Key_Left) << 0 << -1;
    QTest::newRow("abc|d -> Left -> ab|cd") << int(Qt::Key_Left) << 1 << 0;
}

void TestSoftBreaks::caretCrossesASoftBreakLikeAWrap()
{
    QFETCH(int, key);
    QFETCH(int, from);
    QFETCH(int, to);
    RichTextBox1 box;
    box.setText(QStringLiteral("x").repeated(3 * LineCuts::MaxPiece));
    const qsizetype at = softBreakOffsets(&box).first();
    box.setSelStart(at + from);
    QTest::keyClick(&box, Qt::Key(key));
    QCOMPARE(box.SelStart(), at + to);
    // Whichever side of the break the caret shows on, a press moves one character.
    QTest::keyClick(&box, Qt::Key(key));
    QCOMPARE(box.SelStart(), at + to + (to - from));
}

void TestSoftBreaks::enterAtASoftBreakIsARealLineBreak()
{
    const QString line = markupLine(3 * LineCuts::MaxPiece);
    RichTextBox1 box;
    box.setText(line);
    const QList<qsizetype> soft = softBreakOffsets(&box);
    box.setSelStart(soft.at(0));
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.Text(), QString(line).insert(soft.at(0), QStringLiteral("\r\n")));
    QCOMPARE(box.lineOfCaret(), 1);
    QCOMPARE(box.lineText(1), line.mid(soft.at(0), 255));
    // And in the middle of a piece that continues a line.
    box.setSelStart(soft.at(1) + 2 + 12);
    QTest::keyClick(&box, Qt::Key_Return);
    QString expected = line;
    expected.insert(soft.at(0), QStringLiteral("\r\n"));
    expected.insert(soft.at(1) + 2 + 12, QStringLiteral("\r\n"));
    QCOMPARE(box.Text(), expected);
    QCOMPARE(box.lineOfCaret(), 2);
}

void TestSoftBreaks::colouringSeesTheLogicalLine()
{
    // The colours written must be the scanner's colours of the line as a
    // whole, at the right characters on either side of every soft break.
    const QString line = markupLine(3 * LineCuts::MaxPiece);
    FrameFixture f;
    const QString path = f.writeFile(QStringLiteral("c.html"), ("<p>\r\n" + line).toUtf8());
    Form1 *doc = f.openFile(path);
    RichTextBox1 *box = doc->richTextBox1();
    box->finishColouring();
    const ColourRuns runs = ColorScanner::scan(box->scanText());
    const QList<qsizetype> soft = softBreakOffsets(box);
    QVERIFY(!soft.isEmpty());
    for (const ColourRun &run : runs) {
        if (run.colour == SyntaxColor::Default)
            continue;
        // Logical offset = scan position + one per line break before it (one break here).
        for (const qsizetype at : {run.start, run.start + run.length - 1}) {
            const qsizetype offset = at + (at >= 4 ? 1 : 0);
            QTextCursor cursor(box->document());
            cursor.setPosition(box->positionFromOffset(offset) + 1);
            QCOMPARE(cursor.charFormat().foreground().color(), SyntaxPalette::toQColor(run.colour));
        }
    }
}

void TestSoftBreaks::tagNameIsFoundAcrossASoftBreak()
{
    // No blank and no ">" before the tag: the cut falls hard inside "<img".
    QString text = QStringLiteral("a").repeated(LineCuts::TargetPiece - 2) + QStringLiteral("<img src")
                 + QStringLiteral("b").repeated(2 * LineCuts::MaxPiece);
    FrameFixture f;
    Form1 *doc = f.active();
    RichTextBox1 *box = doc->richTextBox1();
    box->setText(text);
    const qsizetype at = softBreakOffsets(box).first();
    QCOMPARE(at, LineCuts::TargetPiece);
    box->setSelStart(LineCuts::TargetPiece + 2);
    doc->TagName.clear();
    doc->TagBegin = 1;
    doc->TagNameFind();
    QCOMPARE(doc->TagBegin, 1);
    QCOMPARE(doc->TagName, QStringLiteral("img"));
}

void TestSoftBreaks::indentCoversTheWholeLongLine()
{
    const QString line = markupLine(3 * LineCuts::MaxPiece);
    RichTextBox1 box;
    box.setText(QStringLiteral("a\r\n") + line + QStringLiteral("\r\nb"));
    box.setSelStart(box.textLength() - 10);
    box.setSelIndent(true);
    QVERIFY(box.isParagraphIndented(1));
    QVERIFY(!box.isParagraphIndented(0));
    QVERIFY(!box.isParagraphIndented(2));
    for (QTextBlock block = box.document()->findBlockByNumber(1); block.blockNumber() < box.document()->blockCount() - 1;
         block = block.next())
        QCOMPARE(block.blockFormat().indent(), 1);
    QCOMPARE(box.Text(), QStringLiteral("a\r\n") + line + QStringLiteral("\r\nb"));
}

void TestSoftBreaks::restorePointGivesBackTheLongLineWithColoursAndMarks()
{
    const QString text = QStringLiteral("top\r\n") + markupLine(3 * LineCuts::MaxPiece) + QStringLiteral("\r\nend");
    RichTextBox1 box;
    box.setText(text);
    box.applyScannedColourRuns(ColorScanner::scan(box.scanText()));
    box.finishColouring();
    const qsizetype at = softBreakOffsets(&box).at(1);
    box.markRanges({{at - 3, 6}});
    auto colourAt = [&box](qsizetype offset) {
        QTextCursor cursor(box.document());
        cursor.setPosition(box.positionFromOffset(offset) + 1);
        return cursor.charFormat();
    };
    QList<QColor> colours;
    for (qsizetype offset = 0; offset < text.size(); offset += 97)
        colours.append(colourAt(offset).foreground().color());

    RestorePoint::Snapshot snapshot = box.formattedContent();
    // The snapshot holds the line itself, not its pieces.
    QCOMPARE(snapshot.text, QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(snapshot.linkMarks, TextRanges({{at - 3 - 1, 6}})); // one line break before: one less

    box.setSelStart(10);
    QTest::keyClicks(&box, QStringLiteral("changed"));
    box.setFormattedContent(snapshot);
    QCOMPARE(box.Text(), text);
    QVERIFY(box.softBreakCount() > 0);
    QVERIFY(longestPiece(&box) <= LineCuts::MaxPiece);
    qsizetype index = 0;
    for (qsizetype offset = 0; offset < text.size(); offset += 97)
        QCOMPARE(colourAt(offset).foreground().color(), colours.at(index++));
    // The mark stands where it stood: across the same soft break, on both pieces.
    QCOMPARE(box.formattedContent().linkMarks, snapshot.linkMarks);
    const QTextBlock after = box.document()->findBlock(box.positionFromOffset(at));
    QVERIFY(!after.layout()->formats().isEmpty());
    QVERIFY(!after.previous().layout()->formats().isEmpty());

    box.Undo();
    QCOMPARE(box.Text(), QString(text).insert(10, QStringLiteral("changed")));
}

QTEST_MAIN(TestSoftBreaks)
#include "tst_softbreaks.moc"
