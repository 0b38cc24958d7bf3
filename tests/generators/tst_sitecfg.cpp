#include "framefixture.h"
#include "modaldialog.h"

#include "generators/sitecfg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

// The page settings dialog on real pages: what it reads when it opens, what
// it writes back, and that cancel leaves the page and its caret alone.
class TestSiteCfg : public QObject
{
    Q_OBJECT

private slots:
    void loadFillsTheControls_data();
    void loadFillsTheControls();
    void applyWritesThePageOnceAsOneStep_data();
    void applyWritesThePageOnceAsOneStep();
    void cancelLeavesPageAndCaret_data();
    void cancelLeavesPageAndCaret();
    void returnAppliesFromTheFields_data();
    void returnAppliesFromTheFields();
    void eachOpeningStartsFromThePage();
};

namespace {
const QString kDeclaration = QString::fromLatin1(R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">)");
const QString kCharset = QString::fromLatin1(R"(<meta http-equiv="Content-Type" content="text/html; charset=Shift_JIS">)");
const QString kScript = QString::fromLatin1(R"(<meta http-equiv="Content-Script-Type" content="text/javascript">)");

QString lines(const QStringList &list)
{
    return list.join(QStringLiteral("\r\n"));
}

// Opens the page from a real file in a new window.
Form1 *openPage(FrameFixture &f, const QString &text, qsizetype caret)
{
    Form1 *doc = f.openFile(f.writeFile(QStringLiteral("page.html"), text.toUtf8()));
    doc->richTextBox1()->setSelStart(caret);
    return doc;
}

// Clicks a check box on its caption: a box stretched over the dialog's width
// takes no click on its empty right part.
void clickBox(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

// Opens the dialog with Ctrl+F2 from the source, as the user does. The
// frame is made the active window first: offscreen, no window becomes active
// again by itself when a dialog closes.
void pressCtrlF2(Form1 *doc)
{
    RichTextBox1 *box = doc->richTextBox1();
    QApplication::setActiveWindow(box->window());
    box->setFocus();
    QTest::keyClick(box, Qt::Key_F2, Qt::ControlModifier);
}
} // namespace

void TestSiteCfg::loadFillsTheControls_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("combos");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("script");
    QTest::addColumn<bool>("style");
    QTest::addColumn<QString>("selected");

    const QStringList defaults = {"-//W3C//DTD HTML 4.01 Transitional//EN", "Shift_JIS", "ja-JP"};
    QTest::newRow("empty page: the designed defaults, nothing selected")
        << QString() << defaults << QString() << false << false << QString();
    QTest::newRow("a whole head: every value read, the title left selected")
        << lines({R"(<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Strict//EN">)", R"(<HTML LANG="en-US">)", "<head>",
                  R"(<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=euc-jp">)", kScript,
                  R"(<meta http-equiv="Content-Style-Type" content="text/css">)", "<TITLE>Top page</TITLE>",
                  "</head>", "</HTML>"})
        << QStringList{"-//W3C//DTD XHTML 1.0 Strict//EN", "euc-jp", "en-US"} << "Top page" << true << true
        << "Top page";
    QTest::newRow("no title: the language is what stays selected")
        << lines({R"(<html lang="fr-FR">)", "<head>", "</head>"}) << QStringList{defaults[0], defaults[1], "fr-FR"}
        << QString() << false << false << "fr-FR";
    QTest::newRow("charset missing its closing quote: read as the file loader reads it")
        << lines({"<head>", R"(<meta http-equiv="Content-Type" content="text/html; charset=euc-jp>)", "</head>"})
        << QStringList{defaults[0], "euc-jp", defaults[2]} << QString() << false << false << "euc-jp";
    QTest::newRow("UTF-8 page declaring no charset: the encoding it was read in")
        << "<p>本文</p>" << QStringList{defaults[0], "UTF-8", defaults[2]} << QString() << false << false << QString();
}

void TestSiteCfg::loadFillsTheControls()
{
    QFETCH(QString, page);
    QFETCH(QStringList, combos);
    QFETCH(QString, title);
    QFETCH(bool, script);
    QFETCH(bool, style);
    QFETCH(QString, selected);
    FrameFixture f;
    Form1 *doc = openPage(f, page, 0);
    QStringList seenCombos;
    QString seenTitle, seenSelection;
    bool seenScript = false, seenStyle = false;
    auto shown = whenShown<SiteCfg>([&](SiteCfg *dialog) {
        seenCombos = {dialog->Combo1()->currentText(), dialog->Combo2()->currentText(), dialog->Combo3()->currentText()};
        seenTitle = dialog->Text1()->text();
        seenScript = dialog->Check1()->isChecked();
        seenStyle = dialog->Check2()->isChecked();
        seenSelection = doc->richTextBox1()->SelText();
        QTest::mouseClick(dialog->Command2(), Qt::LeftButton);
    });
    pressCtrlF2(doc);
    QVERIFY(*shown);
    QCOMPARE(seenCombos, combos);
    QCOMPARE(seenTitle, title);
    QCOMPARE(seenScript, script);
    QCOMPARE(seenStyle, style);
    QCOMPARE(seenSelection, selected);
}

void TestSiteCfg::applyWritesThePageOnceAsOneStep_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("typedTitle"); // null: the box is left as it loaded
    QTest::addColumn<bool>("clickScript");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty page: declaration, skeleton and charset, the title emptied")
        << QString() << QString() << false
        << lines({kDeclaration, R"(<html lang="ja-JP">)", "<head>", kCharset, "<title></title>", "</head>", "<body>",
                  "", "", "</body>", "</html>"});
    QTest::newRow("lower-case <!doctype html>: read as HTML5 and kept as written")
        << lines({"<!doctype html>", "<html>", "<head>", "<title>x</title>", "</head>", "</html>"}) << QString()
        << false
        << lines({"<!doctype html>", R"(<html lang="ja-JP">)", "<head>", kCharset, "<title>x</title>", "</head>",
                  "</html>"});
    QTest::newRow("typed title and ticked script type go into the head")
        << lines({"<html>", "<head>", "</head>", "</html>"}) << QStringLiteral("Top") << true
        << lines({kDeclaration, R"(<html lang="ja-JP">)", "<head>", "<title>Top</title>", kScript, kCharset,
                  "</head>", "</html>"});
    QTest::newRow("unticked script type: its tag and line break removed, the next line kept")
        << lines({"<head>", kScript, "<title>t</title>", "</head>"}) << QString() << true
        << lines({kDeclaration, "<head>", kCharset, "<title>t</title>", "</head>"});
}

void TestSiteCfg::applyWritesThePageOnceAsOneStep()
{
    QFETCH(QString, page);
    QFETCH(QString, typedTitle);
    QFETCH(bool, clickScript);
    QFETCH(QString, expected);
    FrameFixture f;
    Form1 *doc = openPage(f, page, 0);
    RichTextBox1 *box = doc->richTextBox1();
    auto apply = [&] {
        auto shown = whenShown<SiteCfg>([&](SiteCfg *dialog) {
            if (!typedTitle.isNull()) {
                dialog->Text1()->selectAll();
                QTest::keyClicks(dialog->Text1(), typedTitle);
            }
            if (clickScript)
                clickBox(dialog->Check1());
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        pressCtrlF2(doc);
        return *shown;
    };
    QVERIFY(apply());
    QCOMPARE(box->Text(), expected);
    QVERIFY(doc->TextEdit);
    QCOMPARE(box->window()->focusWidget(), box);

    // One undo step takes the whole apply back.
    box->Undo();
    QCOMPARE(box->Text(), page);

    // Opened again on what it wrote, the dialog reads it back: a second
    // apply leaves the page as the first left it.
    QVERIFY(apply());
    QCOMPARE(box->Text(), expected);
    auto again = whenShown<SiteCfg>([](SiteCfg *dialog) { QTest::mouseClick(dialog->Command1(), Qt::LeftButton); });
    pressCtrlF2(doc);
    QVERIFY(*again);
    QCOMPARE(box->Text(), expected);
}

void TestSiteCfg::cancelLeavesPageAndCaret_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("キャンセル clicked") << "click";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("Alt+C, the caption's mnemonic") << "alt+c";
    QTest::newRow("the window's close button") << "close";
}

void TestSiteCfg::cancelLeavesPageAndCaret()
{
    QFETCH(QString, how);
    const QString page = lines({"<html>", "<head>", R"(<title>Top</title>)", "</head>", "</html>"});
    FrameFixture f;
    Form1 *doc = openPage(f, page, 3);
    RichTextBox1 *box = doc->richTextBox1();
    QString selectedWhileOpen;
    auto shown = whenShown<SiteCfg>([&](SiteCfg *dialog) {
        selectedWhileOpen = box->SelText();
        dialog->Text1()->setText(QStringLiteral("changed"));
        if (how == "click")
            QTest::mouseClick(dialog->Command2(), Qt::LeftButton);
        else if (how == "escape")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else if (how == "alt+c")
            QTest::keyClick(dialog, Qt::Key_C, Qt::AltModifier);
        else
            dialog->close();
    });
    pressCtrlF2(doc);
    QVERIFY(*shown);
    QCOMPARE(selectedWhileOpen, QStringLiteral("Top"));
    QCOMPARE(box->Text(), page);
    QCOMPARE(box->SelStart(), qsizetype(3));
    QCOMPARE(box->SelLength(), qsizetype(0));
    QVERIFY(!doc->TextEdit);
    QCOMPARE(box->window()->focusWidget(), box);
}

void TestSiteCfg::returnAppliesFromTheFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("Return in the title box") << "Text1";
    QTest::newRow("Return in the charset box") << "Combo2";
    QTest::newRow("Return on the script check box") << "Check1";
}

void TestSiteCfg::returnAppliesFromTheFields()
{
    QFETCH(QString, field);
    FrameFixture f;
    Form1 *doc = openPage(f, QStringLiteral("<head>\r\n</head>"), 0);
    auto shown = whenShown<SiteCfg>([&](SiteCfg *dialog) {
        QWidget *target = dialog->findChild<QWidget *>(field);
        QVERIFY(target);
        QWidget *keys = field.startsWith("Combo") ? static_cast<QComboBox *>(target)->lineEdit() : target;
        keys->setFocus();
        QTest::keyClick(keys, Qt::Key_Return);
    });
    pressCtrlF2(doc);
    QVERIFY(*shown);
    QCOMPARE(doc->richTextBox1()->Text(), lines({kDeclaration, "<head>", "<title></title>", kCharset, "</head>"}));
}

void TestSiteCfg::eachOpeningStartsFromThePage()
{
    FrameFixture f;
    Form1 *doc = openPage(f, QStringLiteral("<head>\r\n</head>"), 0);
    auto first = whenShown<SiteCfg>([](SiteCfg *dialog) {
        dialog->Combo2()->setCurrentText(QStringLiteral("UTF-8"));
        clickBox(dialog->Check2());
        QTest::mouseClick(dialog->Command2(), Qt::LeftButton);
    });
    pressCtrlF2(doc);
    QVERIFY(*first);
    QString charset;
    bool style = true;
    auto second = whenShown<SiteCfg>([&](SiteCfg *dialog) {
        charset = dialog->Combo2()->currentText();
        style = dialog->Check2()->isChecked();
    });
    pressCtrlF2(doc);
    QVERIFY(*second);
    QCOMPARE(charset, QStringLiteral("Shift_JIS"));
    QVERIFY(!style);
}

QTEST_MAIN(TestSiteCfg)
#include "tst_sitecfg.moc"
