#include "framefixture.h"

#include "generators/gradationcfg.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>

// The gradation dialog in a real document window: its preview must show the
// very colours its markup writes.
class TestGradationCfg : public QObject
{
    Q_OBJECT

private slots:
    void f8OpensItWithItsDefaults();
    void previewShowsTheColoursOfTheMarkup_data();
    void previewShowsTheColoursOfTheMarkup();
    void cancelledColourChoiceKeepsTheColour();
    void spanOutputAsOneUndoStep();
    void emptyTextInsertsNothing();
    void escapeLeavesTheSourceAlone();
};

namespace {

template <typename Steps>
bool withGradationCfg(Form1 *doc, Steps steps)
{
    return FrameFixture::whileModal<GradationCfg>([doc] { doc->menuItem("IDM_MAKE_GRADATION")->trigger(); }, steps);
}

// The colour of each character of the preview, a surrogate pair counted once.
QStringList previewColours(RichTextBox1 *preview)
{
    QStringList codes;
    const QString text = preview->toPlainText();
    QTextCursor cursor(preview->document());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate())
            ++i;
        cursor.setPosition(int(i + 1));
        codes << cursor.charFormat().foreground().color().name().mid(1).toUpper();
    }
    return codes;
}

QStringList markupColours(const QString &markup)
{
    QStringList codes;
    static const QRegularExpression code(QStringLiteral("#([0-9A-F]{6})"));
    for (const QRegularExpressionMatch &match : code.globalMatch(markup))
        codes << match.captured(1);
    return codes;
}

void replaceText(QLineEdit *box, const QString &text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    bool latin = true;
    for (QChar c : text)
        latin = latin && c.unicode() < 0x80;
    if (latin)
        QTest::keyClicks(box, text);
    else
        box->insert(text); // as a paste: keys can't carry half a surrogate pair
}

QColor swatchColour(const QFrame *shape)
{
    return shape->palette().color(QPalette::Window);
}

} // namespace

void TestGradationCfg::f8OpensItWithItsDefaults()
{
    FrameFixture f;
    Form1 *doc = f.active();
    RichTextBox1 *box = doc->richTextBox1();
    box->setFocus();
    const bool opened = FrameFixture::whileModal<GradationCfg>(
        [box] { QTest::keyClick(box, Qt::Key_F8); },
        [&](GradationCfg *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("グラデーション文字作成"));
            QCOMPARE(dialog->target(), doc);
            QCOMPARE(dialog->Text1()->text(), QStringLiteral("ここにテキストを書いて下さい"));
            QCOMPARE(dialog->richTextBox1()->Text(), QString());
            QCOMPARE(dialog->Command2(0)->text(), QStringLiteral("初めの色"));
            QCOMPARE(dialog->Command2(1)->text(), QStringLiteral("終わりの色"));
            QCOMPARE(swatchColour(dialog->Shape1()), QColor(0, 0, 0));
            QCOMPARE(swatchColour(dialog->Shape2()), QColor(0, 0, 0));
            QVERIFY(dialog->Option1()->isChecked());
            QCOMPARE(dialog->Option1()->text(), QStringLiteral("フォントタグで入力"));
            QCOMPARE(dialog->Option2()->text(), QStringLiteral("spanタグのstyle属性で入力"));
            QCOMPARE(dialog->Command1()->text(), QStringLiteral("OK"));
            QCOMPARE(dialog->Command3()->text(), QStringLiteral("キャンセル(&C)"));
            QVERIFY(dialog->Command1()->isDefault());
        });
    QVERIFY(opened);
}

void TestGradationCfg::previewShowsTheColoursOfTheMarkup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("start");
    QTest::addColumn<QColor>("end");
    QTest::addColumn<QStringList>("colours");
    QTest::newRow("ABC red to blue: the last stops one step short")
        << "ABC" << QColor(255, 0, 0) << QColor(0, 0, 255) << QStringList{"FF0000", "AA0055", "5500AA"};
    QTest::newRow("one character: exactly the start colour")
        << "x" << QColor(0x10, 0x20, 0x30) << QColor(255, 255, 255) << QStringList{"102030"};
    QTest::newRow("255 to 0 over two: FF then 80")
        << "ab" << QColor(255, 255, 255) << QColor(0, 0, 0) << QStringList{"FFFFFF", "808080"};
    QTest::newRow("a😀b: the pair is one character, one colour")
        << QStringLiteral("a😀b") << QColor(0, 0, 0) << QColor(0, 0, 255) << QStringList{"000000", "000055", "0000AA"};
    QTest::newRow("<&>: escaped, still one colour each")
        << "<&>" << QColor(0, 0, 0) << QColor(0, 0, 255) << QStringList{"000000", "000055", "0000AA"};
}

void TestGradationCfg::previewShowsTheColoursOfTheMarkup()
{
    QFETCH(QString, text);
    QFETCH(QColor, start);
    QFETCH(QColor, end);
    QFETCH(QStringList, colours);
    FrameFixture f;
    Form1 *doc = f.active();
    f.seam.colours << start << end;
    QVERIFY(withGradationCfg(doc, [&](GradationCfg *dialog) {
        QTest::mouseClick(dialog->Command2(0), Qt::LeftButton);
        QTest::mouseClick(dialog->Command2(1), Qt::LeftButton);
        QCOMPARE(swatchColour(dialog->Shape1()), start);
        QCOMPARE(swatchColour(dialog->Shape2()), end);
        replaceText(dialog->Text1(), text);
        QCOMPARE(dialog->richTextBox1()->Text(), text);
        QCOMPARE(previewColours(dialog->richTextBox1()), colours);
        QTest::keyClick(dialog->Text1(), Qt::Key_Return);
    }));
    const QString markup = doc->richTextBox1()->Text();
    QCOMPARE(markupColours(markup), colours);
    QVERIFY(!markup.contains(QStringLiteral("><<")) && !markup.contains(QStringLiteral(">&<")));
}

void TestGradationCfg::cancelledColourChoiceKeepsTheColour()
{
    FrameFixture f;
    f.seam.colours << QColor(255, 0, 0) << QColor();
    QVERIFY(withGradationCfg(f.active(), [&](GradationCfg *dialog) {
        QTest::mouseClick(dialog->Command2(0), Qt::LeftButton);
        QTest::mouseClick(dialog->Command2(0), Qt::LeftButton);
        QVERIFY(f.seam.colours.isEmpty());
        QCOMPARE(dialog->startColour(), (Rgb{255, 0, 0}));
        QCOMPARE(swatchColour(dialog->Shape1()), QColor(255, 0, 0));
        QCOMPARE(previewColours(dialog->richTextBox1()).value(0), QStringLiteral("FF0000"));
    }));
}

void TestGradationCfg::spanOutputAsOneUndoStep()
{
    FrameFixture f;
    Form1 *doc = f.active();
    RichTextBox1 *box = doc->richTextBox1();
    f.type(QStringLiteral("[]"));
    box->setSelStart(1);
    QVERIFY(withGradationCfg(doc, [&](GradationCfg *dialog) {
        replaceText(dialog->Text1(), QStringLiteral("hi"));
        FrameFixture::clickMark(dialog->Option2());
        QVERIFY(dialog->Option2()->isChecked());
        QTest::keyClick(dialog->Text1(), Qt::Key_Return);
    }));
    QCOMPARE(box->Text(), QStringLiteral("[<span style=\"color:#000000;\">h</span>"
                                         "<span style=\"color:#000000;\">i</span>]"));
    QVERIFY(box->hasFocus());
    box->Undo();
    QCOMPARE(box->Text(), QStringLiteral("[]"));
}

void TestGradationCfg::emptyTextInsertsNothing()
{
    FrameFixture f;
    Form1 *doc = f.active();
    f.type(QStringLiteral("x"));
    QVERIFY(withGradationCfg(doc, [&](GradationCfg *dialog) {
        replaceText(dialog->Text1(), QString());
        QCOMPARE(dialog->richTextBox1()->Text(), QString());
        QTest::mouseClick(dialog->Command1(), Qt::LeftButton);
    }));
    QCOMPARE(doc->richTextBox1()->Text(), QStringLiteral("x"));
}

void TestGradationCfg::escapeLeavesTheSourceAlone()
{
    FrameFixture f;
    Form1 *doc = f.active();
    f.type(QStringLiteral("x"));
    QVERIFY(withGradationCfg(doc, [&](GradationCfg *dialog) {
        replaceText(dialog->Text1(), QStringLiteral("abc"));
        QTest::keyClick(dialog->Text1(), Qt::Key_Escape);
    }));
    QCOMPARE(doc->richTextBox1()->Text(), QStringLiteral("x"));
    QVERIFY(doc->richTextBox1()->hasFocus());
}

QTEST_MAIN(TestGradationCfg)
#include "tst_gradationcfg.moc"
