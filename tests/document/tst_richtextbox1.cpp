#include "document/richtextbox1.h"

#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

class TestRichTextBox1 : public QObject
{
    Q_OBJECT

private slots:
    void offsetsRoundTrip_data();
    void offsetsRoundTrip();
    void offsetInsideLineBreakMapsToLineEnd();
    void selectionUsesCrLfOffsets_data();
    void selectionUsesCrLfOffsets();
    void selTextReplacesSelectionAndMovesCaret();
    void textKeepsNoBreakSpaces();
    void typingColourFollowsSelColor();
    void colourBeforeTheCaret_data();
    void colourBeforeTheCaret();
    void insertPiecesColoursEachPieceAndIsOneUndoStep();
    void applyColourRunsIsNotUndoableAndKeepsText();
    void changeEventOnEveryKindOfChange();
    void keyPressCanBeSwallowed();
    void shiftEnterMakesARealLineBreak();
    void sendKeysReachesTheFocusedControl();
    void lineTextIsCutAt255();
    void breakLikeCharactersSurviveEditing_data();
    void breakLikeCharactersSurviveEditing();
};

void TestRichTextBox1::offsetsRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("one line") << QStringLiteral("abc");
    QTest::newRow("break at start") << QStringLiteral("\r\nabc");
    QTest::newRow("break at end") << QStringLiteral("abc\r\n");
    QTest::newRow("two breaks in a row") << QStringLiteral("a\r\n\r\nb");
    QTest::newRow("only breaks") << QStringLiteral("\r\n\r\n\r\n");
    QTest::newRow("japanese") << QStringLiteral("日本語\r\nテキスト<b>太字</b>\r\n終");
}

void TestRichTextBox1::offsetsRoundTrip()
{
    QFETCH(QString, text);
    RichTextBox1 box;
    box.setText(text);
    QCOMPARE(box.Text(), text);
    QCOMPARE(box.textLength(), text.size());
    // Every offset that is not between CR and LF maps to a position and back.
    for (qsizetype offset = 0; offset <= text.size(); ++offset) {
        if (offset > 0 && text.at(offset - 1) == QLatin1Char('\r'))
            continue;
        const int position = box.positionFromOffset(offset);
        QCOMPARE(box.offsetFromPosition(position), offset);
        box.setSelStart(offset);
        QCOMPARE(box.SelStart(), offset);
        QCOMPARE(box.SelLength(), qsizetype(0));
    }
}

void TestRichTextBox1::offsetInsideLineBreakMapsToLineEnd()
{
    RichTextBox1 box;
    box.setText(QStringLiteral("ab\r\ncd"));
    QCOMPARE(box.positionFromOffset(3), 2); // between CR and LF
    QCOMPARE(box.positionFromOffset(4), 3); // start of "cd"
    QCOMPARE(box.positionFromOffset(100), 5);
    QCOMPARE(box.positionFromOffset(-5), 0);
}

void TestRichTextBox1::selectionUsesCrLfOffsets_data()
{
    QTest::addColumn<qsizetype>("start");
    QTest::addColumn<qsizetype>("length");
    QTest::addColumn<QString>("selected");
    QTest::newRow("within first line") << qsizetype(1) << qsizetype(2) << QStringLiteral("bc");
    QTest::newRow("across a break") << qsizetype(2) << qsizetype(4) << QStringLiteral("c\r\nd");
    QTest::newRow("whole text") << qsizetype(0) << qsizetype(10) << QStringLiteral("abc\r\ndef\r\n");
    QTest::newRow("past the end") << qsizetype(8) << qsizetype(50) << QStringLiteral("\r\n");
}

void TestRichTextBox1::selectionUsesCrLfOffsets()
{
    QFETCH(qsizetype, start);
    QFETCH(qsizetype, length);
    QFETCH(QString, selected);
    RichTextBox1 box;
    box.setText(QStringLiteral("abc\ndef\n"));
    box.setSelStart(start);
    box.setSelLength(length);
    QCOMPARE(box.SelStart(), start);
    QCOMPARE(box.SelText(), selected);
    QCOMPARE(box.SelLength(), selected.size());
}

void TestRichTextBox1::selTextReplacesSelectionAndMovesCaret()
{
    RichTextBox1 box;
    box.setText(QStringLiteral("abc\r\ndef"));
    box.setSelStart(1);
    box.setSelLength(5); // "bc\r\nd"
    box.setSelText(QStringLiteral("X\r\nY"));
    QCOMPARE(box.Text(), QStringLiteral("aX\r\nYef"));
    QCOMPARE(box.SelStart(), qsizetype(5));
    QCOMPARE(box.SelLength(), qsizetype(0));
}

void TestRichTextBox1::textKeepsNoBreakSpaces()
{
    RichTextBox1 box;
    const QString text = QStringLiteral("a") + QChar(0x00A0) + QStringLiteral("b");
    box.setText(text);
    QCOMPARE(box.Text(), text);
}

void TestRichTextBox1::typingColourFollowsSelColor()
{
    RichTextBox1 box;
    box.show();
    box.setFocus();
    box.setSelColor(QColor(0, 0, 255));
    QTest::keyClicks(&box, QStringLiteral("ab"));
    QCOMPARE(box.SelColor(), QColor(0, 0, 255));
    box.setSelColor(SyntaxColor::Black);
    QTest::keyClick(&box, Qt::Key_C);
    box.setSelStart(1);
    QCOMPARE(box.SelColor(), QColor(0, 0, 255));
    box.setSelStart(3);
    QCOMPARE(box.SelColor(), QColor(0, 0, 0));
}

namespace {
const QList<QPair<QChar, QColor>> kLetters = {{'K', QColor(0, 0, 0)}, {'B', QColor(0, 0, 255)},
                                              {'G', QColor(0, 150, 0)}, {'R', QColor(255, 0, 0)},
                                              {'P', QColor(50, 0, 170)}};
QColor colourOf(QChar letter)
{
    for (const auto &entry : kLetters)
        if (entry.first == letter)
            return entry.second;
    return QColor();
}
QChar letterOf(const QColor &colour)
{
    for (const auto &entry : kLetters)
        if (entry.second == colour)
            return entry.first;
    return QLatin1Char('?');
}
}

void TestRichTextBox1::colourBeforeTheCaret_data()
{
    // "ab", a line break, "cd": one colour letter for each of the five.
    QTest::addColumn<QString>("colours");
    QTest::addColumn<qsizetype>("from"); // the caret comes from here
    QTest::addColumn<qsizetype>("caret");
    QTest::addColumn<QString>("typing"); // a typing colour set at the caret, or none
    QTest::addColumn<QChar>("read");     // SelColor, which a typed "x" then takes
    QTest::newRow("line start reads the line break, not the c after it") << "BBPKK" << qsizetype(6) << qsizetype(4) << "" << QChar('P');
    QTest::newRow("line start reached from above") << "BBPKK" << qsizetype(0) << qsizetype(4) << "" << QChar('P');
    QTest::newRow("line end reads the last character") << "BBPKK" << qsizetype(5) << qsizetype(2) << "" << QChar('B');
    QTest::newRow("inside a line reads the character before") << "BBPKR" << qsizetype(0) << qsizetype(5) << "" << QChar('K');
    QTest::newRow("typing colour set at a line start wins") << "BBPKK" << qsizetype(0) << qsizetype(4) << "G" << QChar('G');
    QTest::newRow("typing colour equal to the c after still wins") << "BBPKK" << qsizetype(0) << qsizetype(4) << "K" << QChar('K');
    QTest::newRow("start of the text: nothing before, the first character") << "RBPKK" << qsizetype(3) << qsizetype(0) << "" << QChar('R');
}

void TestRichTextBox1::colourBeforeTheCaret()
{
    QFETCH(QString, colours);
    QFETCH(qsizetype, from);
    QFETCH(qsizetype, caret);
    QFETCH(QString, typing);
    QFETCH(QChar, read);
    RichTextBox1 box;
    box.show();
    box.setFocus();
    box.setText(QStringLiteral("ab\r\ncd"));
    ColourRuns runs;
    for (int i = 0; i < colours.size(); ++i) {
        const QChar letter = colours.at(i);
        const SyntaxColor colour = letter == 'K' ? SyntaxColor::Black : letter == 'B' ? SyntaxColor::Blue
                                 : letter == 'G' ? SyntaxColor::Green : letter == 'R' ? SyntaxColor::Red
                                                 : SyntaxColor::Purple;
        runs.push_back({i, 1, colour});
    }
    box.applyColourRuns(runs);
    box.setSelStart(from);
    box.setSelStart(caret);
    if (!typing.isEmpty())
        box.setSelColor(colourOf(typing.at(0)));
    QCOMPARE(letterOf(box.SelColor()), read);
    QTest::keyClick(&box, Qt::Key_X);
    QCOMPARE(box.Text(), QStringLiteral("ab\r\ncd").insert(caret, QLatin1Char('x')));
    box.setSelStart(caret + 2);
    box.setSelStart(caret + 1);
    QCOMPARE(letterOf(box.SelColor()), read);
}

void TestRichTextBox1::insertPiecesColoursEachPieceAndIsOneUndoStep()
{
    RichTextBox1 box;
    box.setText(QStringLiteral("xSELy"));
    box.setSelStart(1);
    box.setSelLength(3);
    box.insertPieces({{QStringLiteral("<"), SyntaxColor::Black},
                      {QStringLiteral("b"), SyntaxColor::Blue},
                      {QStringLiteral(">"), SyntaxColor::Black},
                      {QStringLiteral("t"), std::nullopt}});
    QCOMPARE(box.Text(), QStringLiteral("x<b>ty"));
    QCOMPARE(box.SelStart(), qsizetype(5));
    const auto colourAt = [&box](int offset) {
        box.setSelStart(offset + 1);
        return box.SelColor();
    };
    QCOMPARE(colourAt(2), QColor(0, 0, 255));
    QCOMPARE(colourAt(3), QColor(0, 0, 0));
    QCOMPARE(colourAt(4), QColor(0, 0, 0)); // no colour: keeps the caret's colour
    box.Undo();
    QCOMPARE(box.Text(), QStringLiteral("xSELy"));
}

void TestRichTextBox1::applyColourRunsIsNotUndoableAndKeepsText()
{
    RichTextBox1 box;
    box.setText(QStringLiteral("<a>\r\n<b>"));
    box.applyColourRuns({{0, 1, SyntaxColor::Default}, {1, 1, SyntaxColor::Blue},
                         {2, 3, SyntaxColor::Default}, {5, 1, SyntaxColor::Red}, {6, 50, SyntaxColor::Green}});
    QCOMPARE(box.Text(), QStringLiteral("<a>\r\n<b>"));
    QVERIFY(!box.document()->isUndoAvailable());
    box.setSelStart(2);
    QCOMPARE(box.SelColor(), QColor(0, 0, 255));
    box.setSelStart(7); // after "<b" of the second line: "b" was red
    QCOMPARE(box.SelColor(), QColor(255, 0, 0));
    box.setSelStart(8); // the run past the end was cut at the end
    QCOMPARE(box.SelColor(), QColor(0, 150, 0));
}

void TestRichTextBox1::changeEventOnEveryKindOfChange()
{
    RichTextBox1 box;
    box.show();
    box.setFocus();
    QSignalSpy spy(&box, &RichTextBox1::Change);
    box.setText(QStringLiteral("abc"));
    QVERIFY(spy.count() >= 1);
    spy.clear();
    box.setSelText(QStringLiteral("x"));
    QVERIFY(spy.count() >= 1);
    spy.clear();
    QTest::keyClick(&box, Qt::Key_Y);
    QVERIFY(spy.count() >= 1);
    spy.clear();
    QTest::keyClick(&box, Qt::Key_Backspace);
    QVERIFY(spy.count() >= 1);
    QCOMPARE(box.Text(), QStringLiteral("xabc"));
}

void TestRichTextBox1::keyPressCanBeSwallowed()
{
    RichTextBox1 box;
    box.show();
    box.setFocus();
    QChar seen;
    connect(&box, &RichTextBox1::KeyPress, &box, [&seen](QChar ch, bool *swallow) {
        seen = ch;
        *swallow = ch == QLatin1Char('<');
    });
    QTest::keyClicks(&box, QStringLiteral("a<b"));
    QCOMPARE(seen, QLatin1Char('b'));
    QCOMPARE(box.Text(), QStringLiteral("ab"));
}

void TestRichTextBox1::shiftEnterMakesARealLineBreak()
{
    RichTextBox1 box;
    box.show();
    box.setFocus();
    QTest::keyClicks(&box, QStringLiteral("ab"));
    QTest::keyClick(&box, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(&box, Qt::Key_C);
    QCOMPARE(box.Text(), QStringLiteral("ab\r\nc"));
    QCOMPARE(box.lineOfCaret(), 1);
}

void TestRichTextBox1::sendKeysReachesTheFocusedControl()
{
    RichTextBox1 box;
    box.show();
    QApplication::setActiveWindow(&box);
    box.setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QTest::keyClicks(&box, QStringLiteral("abc"));
    box.SendKeys(QStringLiteral("{BS} >"));
    QCOMPARE(box.Text(), QStringLiteral("abc")); // queued, not yet handled
    QCoreApplication::processEvents();
    QCOMPARE(box.Text(), QStringLiteral("ab >"));
}

void TestRichTextBox1::lineTextIsCutAt255()
{
    RichTextBox1 box;
    box.setText(QStringLiteral("first\r\n") + QString(300, QLatin1Char('x')));
    QCOMPARE(box.lineText(0), QStringLiteral("first"));
    QCOMPARE(box.lineText(1).size(), 255);
}

void TestRichTextBox1::breakLikeCharactersSurviveEditing_data()
{
    // "a", U+2029, "b", U+FDD0, "c" on one line, then "d" on the next.
    QTest::addColumn<QString>("keys"); // after the caret is put at offset 1: D delete, Z undo, Y redo, X cut, V paste, C copy, letters typed
    QTest::addColumn<QString>("text"); // "|" and "#" stand for U+2029 and U+FDD0
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("deleted, then undone") << "DZ" << "a|b#c\r\nd" << "";
    QTest::newRow("deleted, undone, redone") << "DZY" << "ab#c\r\nd" << "";
    QTest::newRow("typed over, then undone twice") << "SqZZ" << "a|b#c\r\nd" << "";
    QTest::newRow("cut and pasted after c") << "SSSXEV" << "ac|b#\r\nd" << "|b#";
    QTest::newRow("copied: the clipboard holds the characters") << "SSSSSSC" << "a|b#c\r\nd" << "|b#c\nd";
    QTest::newRow("pasted twice") << "SSCEVV" << "a|b#c|b|b\r\nd" << "|b";
    QTest::newRow("recoloured after an edit") << "qR" << "aq|b#c\r\nd" << "";
}

void TestRichTextBox1::breakLikeCharactersSurviveEditing()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QString, clipboard);
    const auto real = [](QString t) {
        return t.replace(QLatin1Char('|'), QChar(0x2029)).replace(QLatin1Char('#'), QChar(0xFDD0));
    };
    RichTextBox1 box;
    box.show();
    box.setFocus();
    box.setText(real(QStringLiteral("a|b#c\r\nd")));
    QCOMPARE(box.document()->blockCount(), 2);
    QGuiApplication::clipboard()->clear();
    box.setSelStart(1);
    for (QChar key : keys) {
        switch (key.unicode()) {
        case 'D': QTest::keyClick(&box, Qt::Key_Delete); break;
        case 'Z': QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier); break;
        case 'Y': QTest::keyClick(&box, Qt::Key_Y, Qt::ControlModifier); break;
        case 'X': QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier); break;
        case 'C': QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier); break;
        case 'V': QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier); break;
        case 'S': QTest::keyClick(&box, Qt::Key_Right, Qt::ShiftModifier); break;
        case 'E': QTest::keyClick(&box, Qt::Key_End); break;
        case 'R': box.applyColourRuns({{0, 10, SyntaxColor::Blue}}); break;
        default: QTest::keyClick(&box, key.toLatin1()); break;
        }
    }
    QCOMPARE(box.Text(), real(text));
    QCOMPARE(box.fileText(), real(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(QGuiApplication::clipboard()->text(), real(clipboard));
}

QTEST_MAIN(TestRichTextBox1)
#include "tst_richtextbox1.moc"
