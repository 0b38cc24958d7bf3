#include "findfixture.h"

#include "frame/tabbar.h"
#include "shared/formregistry.h"
#include "shared/syntaxpalette.h"

#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {
// The colour of the character that starts at offset.
QColor colourAt(RichTextBox1 *source, qsizetype offset)
{
    QTextCursor cursor(source->document());
    cursor.setPosition(source->positionFromOffset(offset) + 1);
    return cursor.charFormat().foreground().color();
}
}

// The replace dialog in a running frame, driven by keys and clicks.
class TestForm2 : public QObject
{
    Q_OBJECT

private slots:
    void opensWithTheSearchTextSelectedAndTabToTheReplacement();
    void replaceAll_data();
    void replaceAll();
    void replaceAllIsOneUndoStep();
    void replaceAllKeepsTheColoursBetween();
    void replaceAllBeyondTheOldCapGivesTheTrueCount();
    void secondReplaceAllCountsFromOne();
    void replaceAllWithEmptySearchTextDoesNothing();
    void replaceThenNext_data();
    void replaceThenNext();
    void findNextKeepsTheDialogOpen();
    void followsTargetFormToAnotherWindow();
    void escapeClosesAndTheSourceHasTheKeyboard();
    void afterItsMessageTheKeyboardIsBackInTheDialog();
};

void TestForm2::opensWithTheSearchTextSelectedAndTabToTheReplacement()
{
    FindFixture f("abc");
    Module1::LastFindText = QStringLiteral("abc");
    Form2 *dialog = f.pressReplace();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("置換"));
    QCOMPARE(dialog->Label1()->text(), QStringLiteral("検索する文字列："));
    QCOMPARE(dialog->Label2()->text(), QStringLiteral("置換後の文字列："));
    QCOMPARE(dialog->Command1()->text(), QStringLiteral("次を検索(&F)"));
    QCOMPARE(dialog->Command2()->text(), QStringLiteral("置換して次に(&R)"));
    QCOMPARE(dialog->Command3()->text(), QStringLiteral("全て置換(&A)"));
    QCOMPARE(dialog->Command4()->text(), QStringLiteral("キャンセル"));
    QCOMPARE(dialog->Text1()->text(), QStringLiteral("abc"));
    QVERIFY(dialog->Text2()->text().isEmpty());
    QCOMPARE(Module1::TargetForm.data(), f.doc);
    QVERIFY(FormRegistry::forms().contains(dialog));

    QCOMPARE(QApplication::focusWidget(), dialog->Text1());
    QCOMPARE(dialog->Text1()->selectedText(), QStringLiteral("abc"));
    QTest::keyClick(dialog->Text1(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog->Text2());
}

void TestForm2::replaceAll_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<qsizetype>("caret");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("with");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("message");

    QTest::newRow("a a a, caret at the start: b b b, 3") << QByteArray("a a a") << qsizetype(0) << "a" << "b" << "b b b" << "合計3個置換しました。";
    QTest::newRow("replacement holding the search text is not searched again") << QByteArray("a a") << qsizetype(0) << "a" << "aa" << "aa aa" << "合計2個置換しました。";
    QTest::newRow("only what lies after the caret") << QByteArray("x x x") << qsizetype(1) << "x" << "y" << "x y y" << "合計2個置換しました。";
    QTest::newRow("occurrences on every line") << QByteArray("<br>\r\n<br>\r\n<br>") << qsizetype(0) << "<br>" << "<hr>" << "<hr>\r\n<hr>\r\n<hr>" << "合計3個置換しました。";
    QTest::newRow("empty replacement deletes") << QByteArray("a-b-c") << qsizetype(0) << "-" << "" << "abc" << "合計2個置換しました。";
    QTest::newRow("nothing after the caret: only the not-found message") << QByteArray("ab x") << qsizetype(2) << "ab" << "z" << "ab x" << "\"ab\"が見つかりません";
    QTest::newRow("letter case counts") << QByteArray("Ab ab") << qsizetype(0) << "ab" << "x" << "Ab x" << "合計1個置換しました。";
}

void TestForm2::replaceAll()
{
    QFETCH(QByteArray, page);
    QFETCH(qsizetype, caret);
    QFETCH(QString, what);
    QFETCH(QString, with);
    QFETCH(QString, result);
    QFETCH(QString, message);
    FindFixture f(page, caret);
    Form2 *dialog = f.pressReplace();
    FindFixture::typeInto(dialog->Text1(), what);
    FindFixture::typeInto(dialog->Text2(), with);
    QTest::mouseClick(dialog->Command3(), Qt::LeftButton);
    FrameFixture::settle();

    QCOMPARE(f.source()->Text(), result);
    QCOMPARE(f.seam.messages.size(), 1);
    QCOMPARE(f.lastMessage(), message);
    const bool replaced = result != QString::fromUtf8(page);
    QCOMPARE(f.seam.messages.last().title, replaced ? QStringLiteral("置換終了") : QStringLiteral("Tovalo"));
    QCOMPARE(f.doc->TextEdit, replaced);
    // The dialog stays for more work.
    QCOMPARE(Form2::instance(), dialog);
}

void TestForm2::replaceAllIsOneUndoStep()
{
    FindFixture f("<td>a</td>\r\n<td>b</td>\r\n<td>c</td>");
    const QString before = f.source()->Text();
    Form2 *dialog = f.pressReplace();
    FindFixture::typeInto(dialog->Text1(), QStringLiteral("td"));
    FindFixture::typeInto(dialog->Text2(), QStringLiteral("th"));
    QTest::mouseClick(dialog->Command3(), Qt::LeftButton);
    FrameFixture::settle();
    QCOMPARE(f.lastMessage(), QStringLiteral("合計6個置換しました。"));
    QCOMPARE(f.source()->Text(), QStringLiteral("<th>a</th>\r\n<th>b</th>\r\n<th>c</th>"));
    // The caret ends just after the last replacement, as step by step would.
    QCOMPARE(f.source()->SelStart(), qsizetype(33));
    QCOMPARE(f.source()->SelLength(), qsizetype(0));

    QTest::keyClick(f.source(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.source()->Text(), before);
    // One more undo has nothing of the replacement left to take back.
    QVERIFY(!f.source()->document()->isUndoAvailable());
}

void TestForm2::replaceAllKeepsTheColoursBetween()
{
    FindFixture f("<p class=\"a\">x</p>\r\n<p class=\"a\">y</p>");
    const QColor tagName = SyntaxPalette::toQColor(SyntaxColor::Blue);
    const QColor value = SyntaxPalette::toQColor(SyntaxColor::Green);
    QCOMPARE(colourAt(f.source(), 21), tagName); // the second "p"
    Form2 *dialog = f.pressReplace();
    FindFixture::typeInto(dialog->Text1(), QStringLiteral("\"a\""));
    FindFixture::typeInto(dialog->Text2(), QStringLiteral("\"bb\""));
    QTest::mouseClick(dialog->Command3(), Qt::LeftButton);
    FrameFixture::settle();
    QCOMPARE(f.lastMessage(), QStringLiteral("合計2個置換しました。"));
    // The markup between the two values is not rewritten, so its colours stay.
    QCOMPARE(colourAt(f.source(), 22), tagName);
    // A replaced value takes the colour of the value it replaced.
    QCOMPARE(colourAt(f.source(), 10), value);
}

void TestForm2::replaceAllBeyondTheOldCapGivesTheTrueCount()
{
    const QByteArray page = QByteArray("<li>item</li>\r\n").repeated(12000);
    FindFixture f(page);
    Form2 *dialog = f.pressReplace();
    FindFixture::typeInto(dialog->Text1(), QStringLiteral("li>"));
    FindFixture::typeInto(dialog->Text2(), QStringLiteral("dd>"));
    QTest::mouseClick(dialog->Command3(), Qt::LeftButton);
    FrameFixture::settle();
    QCOMPARE(f.lastMessage(), QStringLiteral("合計24000個置換しました。"));
    const QString text = f.source()->Text();
    QVERIFY(!text.contains(QStringLiteral("li>")));
    QCOMPARE(text.count(QStringLiteral("<dd>item</dd>\r\n")), qsizetype(12000));
    QTest::keyClick(f.source(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.source()->Text(), QString::fromLatin1(page));
}

void TestForm2::secondReplaceAllCountsFromOne()
{
    FindFixture f("a a a");
    Form2 *dialog = f.pressReplace();
    FindFixture::typeInto(dialog->Text1(), QStringLiteral("a"));
    FindFixture::typeInto(dialog->Text2(), QStringLiteral("b"));
    QTest::mouseClick(dialog->Command3(), Qt::LeftButton);
    QCOMPARE(f.lastMessage(), QStringLiteral("合計3個置換しました。"));
    QTest::keyClick(f.source(), Qt::Key_Home, Qt::ControlModifier);
    FindFixture::typeInto(dialog->Text1(), QStringLiteral("b"));
    FindFixture::typeInto(dialog->Text2(), QStringLiteral("c"));
    QTest::mouseClick(dialog->Command3(), Qt::LeftButton);
    QCOMPARE(f.lastMessage(), QStringLiteral("合計3個置換しました。"));
    QCOMPARE(f.source()->Text(), QStringLiteral("c c c"));
}

void TestForm2::replaceAllWithEmptySearchTextDoesNothing()
{
    FindFixture f("abc", 1);
    Form2 *dialog = f.pressReplace();
    FindFixture::typeInto(dialog->Text2(), QStringLiteral("x"));
    QTest::mouseClick(dialog->Command3(), Qt::LeftButton);
    FrameFixture::settle();
    QCOMPARE(f.source()->Text(), QStringLiteral("abc"));
    QVERIFY(f.seam.messages.isEmpty());
    QVERIFY(!f.doc->TextEdit);
}

void TestForm2::replaceThenNext_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<qsizetype>("selStart");
    QTest::addColumn<qsizetype>("selLength");
    QTest::addColumn<QString>("result");
    QTest::addColumn<qsizetype>("nextStart");
    QTest::addColumn<QString>("message");

    // Search text "ab", replacement "X" in every row.
    QTest::newRow("selected occurrence replaced, the next selected") << QByteArray("ab ab") << qsizetype(0) << qsizetype(2) << "X ab" << qsizetype(2) << "";
    QTest::newRow("a selection that is no occurrence is replaced all the same") << QByteArray("zz ab") << qsizetype(0) << qsizetype(2) << "X ab" << qsizetype(2) << "";
    QTest::newRow("no selection: inserted at the caret") << QByteArray("ab") << qsizetype(0) << qsizetype(0) << "Xab" << qsizetype(1) << "";
    QTest::newRow("last one replaced, then the not-found message") << QByteArray("ab") << qsizetype(0) << qsizetype(2) << "X" << qsizetype(-1) << "\"ab\"が見つかりません";
}

void TestForm2::replaceThenNext()
{
    QFETCH(QByteArray, page);
    QFETCH(qsizetype, selStart);
    QFETCH(qsizetype, selLength);
    QFETCH(QString, result);
    QFETCH(qsizetype, nextStart);
    QFETCH(QString, message);
    FindFixture f(page, selStart, selLength);
    Form2 *dialog = f.pressReplace();
    FindFixture::typeInto(dialog->Text1(), QStringLiteral("ab"));
    FindFixture::typeInto(dialog->Text2(), QStringLiteral("X"));
    QTest::mouseClick(dialog->Command2(), Qt::LeftButton);
    FrameFixture::settle();
    QCOMPARE(f.source()->Text(), result);
    QCOMPARE(f.lastMessage(), message);
    if (nextStart >= 0) {
        QCOMPARE(f.source()->SelStart(), nextStart);
        QCOMPARE(f.source()->SelText(), QStringLiteral("ab"));
    } else {
        // The caret stays just after the inserted text.
        QCOMPARE(f.source()->SelStart(), selStart + 1);
        QCOMPARE(f.source()->SelLength(), qsizetype(0));
    }
}

void TestForm2::findNextKeepsTheDialogOpen()
{
    FindFixture f("ab ab");
    Form2 *dialog = f.pressReplace();
    FindFixture::typeInto(dialog->Text1(), QStringLiteral("ab"));
    QTest::keyClick(dialog->Text1(), Qt::Key_Return);
    FrameFixture::settle();
    QCOMPARE(f.source()->SelStart(), qsizetype(0));
    QCOMPARE(f.source()->SelLength(), qsizetype(2));
    QCOMPARE(Form2::instance(), dialog);
    QCOMPARE(QApplication::focusWidget(), dialog->Text1());
    QTest::mouseClick(dialog->Command1(), Qt::LeftButton);
    QCOMPARE(f.source()->SelStart(), qsizetype(3));
    QTest::mouseClick(dialog->Command1(), Qt::LeftButton);
    QCOMPARE(f.lastMessage(), QStringLiteral("\"ab\"が見つかりません"));
    QCOMPARE(f.source()->SelStart(), qsizetype(3));
    QCOMPARE(f.source()->SelLength(), qsizetype(2));
    // The replace dialog never sets the text F2 repeats.
    QVERIFY(Module1::LastFindText.isEmpty());
}

void TestForm2::followsTargetFormToAnotherWindow()
{
    FindFixture f("one a");
    Form1 *first = f.doc;
    Form2 *dialog = f.pressReplace();
    f.frame->IDM_NEWHTML();
    FrameFixture::settle();
    Form1 *second = f.active();
    f.type(QStringLiteral("two a a"));
    QTest::keyClick(second->richTextBox1(), Qt::Key_Home);
    QCOMPARE(Module1::TargetForm.data(), second);

    FindFixture::typeInto(dialog->Text1(), QStringLiteral("a"));
    FindFixture::typeInto(dialog->Text2(), QStringLiteral("b"));
    QTest::mouseClick(dialog->Command3(), Qt::LeftButton);
    QCOMPARE(f.lastMessage(), QStringLiteral("合計2個置換しました。"));
    QCOMPARE(second->richTextBox1()->Text(), QStringLiteral("two b b"));
    QCOMPARE(first->richTextBox1()->Text(), QStringLiteral("one a"));

    // A tab click makes the first window the target again.
    f.clickTabOf(first);
    QCOMPARE(Module1::TargetForm.data(), first);
    QTest::mouseClick(dialog->Command3(), Qt::LeftButton);
    QCOMPARE(first->richTextBox1()->Text(), QStringLiteral("one b"));
}

void TestForm2::escapeClosesAndTheSourceHasTheKeyboard()
{
    FindFixture f("abc");
    Form2 *dialog = f.pressReplace();
    QTest::keyClick(dialog->Text1(), Qt::Key_Tab);
    QTest::keyClick(dialog->Text2(), Qt::Key_Escape);
    FrameFixture::settle();
    QVERIFY(!Form2::instance());
    QVERIFY(!FormRegistry::forms().contains(dialog));
    QCOMPARE(QApplication::focusWidget(), f.source());

    // Cancel does the same.
    dialog = f.pressReplace();
    QTest::mouseClick(dialog->Command4(), Qt::LeftButton);
    FrameFixture::settle();
    QVERIFY(!Form2::instance());
    QCOMPARE(QApplication::focusWidget(), f.source());
    QVERIFY(f.seam.messages.isEmpty());
}

void TestForm2::afterItsMessageTheKeyboardIsBackInTheDialog()
{
    FindFixture f("a a");
    Form2 *dialog = f.pressReplace();
    FindFixture::typeInto(dialog->Text1(), QStringLiteral("a"));
    FindFixture::typeInto(dialog->Text2(), QStringLiteral("b"));
    // While the box is up the desktop hands the keyboard to the frame.
    f.seam.whileMessageShown = [&f] {
        f.frame->activateWindow();
        f.source()->setFocus();
        FrameFixture::settle();
    };
    QTest::mouseClick(dialog->Command3(), Qt::LeftButton);
    FrameFixture::settle();
    QCOMPARE(f.lastMessage(), QStringLiteral("合計2個置換しました。"));
    QCOMPARE(QApplication::focusWidget(), dialog->Command3());
    // So Escape reaches the dialog, not the source.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    FrameFixture::settle();
    QVERIFY(!Form2::instance());
    QCOMPARE(QApplication::focusWidget(), f.source());
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
