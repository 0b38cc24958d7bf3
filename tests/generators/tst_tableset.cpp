#include "../editing/completiontyping.h"
#include "framefixture.h"

#include "generators/tablemarkup.h"
#include "generators/tableset.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>

// The table dialog in a real document window: opened from its menu item,
// driven with real keys and clicks, its colour dialog answered in advance.
class TestTableSet : public QObject
{
    Q_OBJECT

private slots:
    void generatorItemsSitInTheirMenus();
    void opensWithItsDefaults();
    void returnInsertsTheDefaultTableAsOneUndoStep();
    void spinButtons_data();
    void spinButtons();
    void colourButtons_data();
    void colourButtons();
    void replacesTheSelection();
    void escapeLeavesTheSourceAlone();
    void tooLargeATableIsRefusedAndTheDialogStays();
};

namespace {

const QString DefaultTable = QStringLiteral("<table>\r\n <tr>\r\n  <td>\r\n  <td>\r\n </tr>\r\n"
                                            " <tr>\r\n  <td>\r\n  <td>\r\n </tr>\r\n</table>");

template <typename Steps>
bool withTableSet(Form1 *doc, Steps steps)
{
    return FrameFixture::whileModal<TableSet>([doc] { doc->menuItem("IDM_ADD_TABLE")->trigger(); }, steps);
}

QString firstLine(const QString &text)
{
    return text.section(QStringLiteral("\r\n"), 0, 0);
}

} // namespace

void TestTableSet::generatorItemsSitInTheirMenus()
{
    FrameFixture f;
    Form1 *doc = f.active();
    QCOMPARE(doc->menuItem("IDM_ADD_TABLE")->text(), QStringLiteral("テーブルタグ入力(&T)"));
    QCOMPARE(doc->menuItem("IDM_ADD_IMG")->text(), QStringLiteral("イメージタグ入力(&I)"));
    QCOMPARE(doc->menuItem("IDM_MAKE_GRADATION")->text(), QStringLiteral("グラデーション作成"));
    QCOMPARE(doc->menuItem("IDM_MAKE_GRADATION")->shortcut(), QKeySequence(Qt::Key_F8));
    QVERIFY(doc->menuItem("IDM_ADD")->menu()->actions().contains(doc->menuItem("IDM_ADD_TABLE")));
    QVERIFY(doc->menuItem("IDM_ADD")->menu()->actions().contains(doc->menuItem("IDM_ADD_IMG")));
    QVERIFY(doc->menuItem("IDM_TOOL")->menu()->actions().contains(doc->menuItem("IDM_MAKE_GRADATION")));
}

void TestTableSet::opensWithItsDefaults()
{
    FrameFixture f;
    Form1 *doc = f.active();
    const bool opened = withTableSet(doc, [&](TableSet *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("テーブルタグ設定"));
        QVERIFY(dialog->isModal());
        QCOMPARE(dialog->target(), doc);
        QCOMPARE(dialog->Text1()->text(), QStringLiteral("2"));
        QCOMPARE(dialog->Text2()->text(), QStringLiteral("2"));
        QVERIFY(dialog->Check1()->isChecked());
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(dialog->Text3(i)->text(), QStringLiteral("(標準)"));
            QCOMPARE(dialog->Command7(i)->text(), QStringLiteral("色参照"));
        }
        QCOMPARE(dialog->Command5()->text(), QStringLiteral("OK"));
        QCOMPARE(dialog->Command6()->text(), QStringLiteral("キャンセル(&C)"));
        QVERIFY(dialog->Command5()->isDefault());
    });
    QVERIFY(opened);
    QCOMPARE(Module1::TargetKey, doc->windowTitle().left(3));
}

void TestTableSet::returnInsertsTheDefaultTableAsOneUndoStep()
{
    FrameFixture f;
    Form1 *doc = f.active();
    RichTextBox1 *box = doc->richTextBox1();
    f.type(QStringLiteral("ab"));
    box->setSelStart(1);
    QVERIFY(withTableSet(doc, [](TableSet *dialog) { QTest::keyClick(dialog->Text1(), Qt::Key_Return); }));
    QCOMPARE(box->Text(), QStringLiteral("a") + DefaultTable + QStringLiteral("b"));
    QCOMPARE(box->SelStart(), qsizetype(1 + DefaultTable.size()));
    QVERIFY(box->hasFocus());
    // The tag name blue, its bracket black.
    QCOMPARE(CompletionTyping::colours(box).mid(2, 6), QStringLiteral("BBBBBK"));
    box->Undo();
    QCOMPARE(box->Text(), QStringLiteral("ab"));
}

void TestTableSet::spinButtons_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("after");
    QTest::newRow("▲ on 2 gives 3") << QStringLiteral("2") << true << QStringLiteral("3");
    QTest::newRow("▼ on 1 gives 0") << QStringLiteral("1") << false << QStringLiteral("0");
    QTest::newRow("▼ on 0 stays 0") << QStringLiteral("0") << false << QStringLiteral("0");
    QTest::newRow("▲ on words counts from 0") << QStringLiteral("abc") << true << QStringLiteral("1");
    QTest::newRow("▲ past the 16-bit range") << QStringLiteral("32767") << true << QStringLiteral("32768");
}

void TestTableSet::spinButtons()
{
    QFETCH(QString, before);
    QFETCH(bool, up);
    QFETCH(QString, after);
    FrameFixture f;
    QVERIFY(withTableSet(f.active(), [&](TableSet *dialog) {
        // Both pairs of buttons, each on its own box.
        const std::pair<QLineEdit *, QPushButton *> spins[] = {
            {dialog->Text1(), up ? dialog->Command2() : dialog->Command1()},
            {dialog->Text2(), up ? dialog->Command3() : dialog->Command4()}};
        for (const auto &[box, button] : spins) {
            box->setText(before);
            dialog->Command6()->setFocus();
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(box->text(), after);
            QCOMPARE(dialog->focusWidget(), box);
        }
    }));
}

void TestTableSet::colourButtons_data()
{
    QTest::addColumn<QList<int>>("buttons");
    QTest::addColumn<QList<QColor>>("answers");
    QTest::addColumn<bool>("border");
    QTest::addColumn<QString>("startTag");
    QTest::newRow("background chosen, border shown")
        << QList<int>{3} << QList<QColor>{QColor(0xff, 0xcc, 0x00)} << true
        << QStringLiteral("<table border=\"1\" bgcolor=\"#FFCC00\">");
    QTest::newRow("two boxes: in index order, each its own value")
        << QList<int>{3, 0} << QList<QColor>{QColor(0, 0, 255), QColor(255, 0, 0)} << false
        << QStringLiteral("<table bordercolor=\"#FF0000\" bgcolor=\"#0000FF\">");
    QTest::newRow("dark and light border parts")
        << QList<int>{1, 2} << QList<QColor>{QColor(0x10, 0x20, 0x30), QColor(0xa0, 0xb0, 0xc0)} << false
        << QStringLiteral("<table bordercolordark=\"#102030\" bordercolorlight=\"#A0B0C0\">");
    QTest::newRow("cancelled: (標準) stays, no attribute, no #-1")
        << QList<int>{0} << QList<QColor>{QColor()} << false << QStringLiteral("<table>");
    QTest::newRow("cancelled after a choice keeps the choice")
        << QList<int>{3, 3} << QList<QColor>{QColor(0, 150, 0), QColor()} << false
        << QStringLiteral("<table bgcolor=\"#009600\">");
}

void TestTableSet::colourButtons()
{
    QFETCH(QList<int>, buttons);
    QFETCH(QList<QColor>, answers);
    QFETCH(bool, border);
    QFETCH(QString, startTag);
    FrameFixture f;
    Form1 *doc = f.active();
    f.seam.colours = answers;
    QVERIFY(withTableSet(doc, [&](TableSet *dialog) {
        for (int index : buttons)
            QTest::mouseClick(dialog->Command7(index), Qt::LeftButton);
        for (int i = 0; i < 4; ++i)
            QVERIFY(!dialog->Text3(i)->text().contains(QStringLiteral("-1")));
        if (border)
            FrameFixture::clickMark(dialog->Check1());
        QTest::mouseClick(dialog->Command5(), Qt::LeftButton);
    }));
    QVERIFY(f.seam.colours.isEmpty());
    QCOMPARE(firstLine(doc->richTextBox1()->Text()), startTag);
}

void TestTableSet::replacesTheSelection()
{
    FrameFixture f;
    Form1 *doc = f.active();
    RichTextBox1 *box = doc->richTextBox1();
    f.type(QStringLiteral("x<table>old</table>y"));
    box->setSelStart(1);
    box->setSelLength(18);
    QVERIFY(withTableSet(doc, [](TableSet *dialog) {
        dialog->Text2()->setText(QStringLiteral("0"));
        QTest::mouseClick(dialog->Command5(), Qt::LeftButton);
    }));
    QCOMPARE(box->Text(), QStringLiteral("x<table>\r\n</table>y"));
}

void TestTableSet::escapeLeavesTheSourceAlone()
{
    FrameFixture f;
    Form1 *doc = f.active();
    RichTextBox1 *box = doc->richTextBox1();
    f.type(QStringLiteral("keep"));
    box->setSelStart(1);
    box->setSelLength(2);
    QVERIFY(withTableSet(doc, [](TableSet *dialog) {
        QTest::keyClick(dialog->Text1(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    }));
    QCOMPARE(box->Text(), QStringLiteral("keep"));
    QCOMPARE(box->SelText(), QStringLiteral("ee"));
    QVERIFY(box->hasFocus());
}

void TestTableSet::tooLargeATableIsRefusedAndTheDialogStays()
{
    FrameFixture f;
    Form1 *doc = f.active();
    QVERIFY(withTableSet(doc, [&](TableSet *dialog) {
        dialog->Text1()->setText(QStringLiteral("1000"));
        dialog->Text2()->setText(QStringLiteral("101"));
        QTest::keyClick(dialog->Text2(), Qt::Key_Return);
        QCOMPARE(f.seam.messages.size(), 1);
        QCOMPARE(f.seam.messages.first().icon, QMessageBox::Warning);
        QCOMPARE(f.seam.messages.first().text, TableMarkup::tooLargeMessage());
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->Text2()->text(), QStringLiteral("101"));
        QCOMPARE(doc->richTextBox1()->Text(), QString());
        // Brought down, the same dialog inserts.
        dialog->Text1()->setText(QStringLiteral("1"));
        dialog->Text2()->setText(QStringLiteral("1"));
        QTest::keyClick(dialog->Text2(), Qt::Key_Return);
    }));
    QCOMPARE(doc->richTextBox1()->Text(), QStringLiteral("<table>\r\n <tr>\r\n  <td>\r\n </tr>\r\n</table>"));
}

QTEST_MAIN(TestTableSet)
#include "tst_tableset.moc"
