#include "framefixture.h"
#include "modalsequence.h"

#include "generators/imgtagcfg.h"
#include "generators/sitecfg.h"
#include "generators/tableset.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

// The tag re-edit in a real document window: a page read from a file, a
// selection made in it, F1 typed into the source, the question and the
// dialogs answered in advance.
class TestTagReeditWindow : public QObject
{
    Q_OBJECT

private slots:
    void sitsInTheEditMenuOnF1();
    void aSelectionWithoutATagIsWarnedAbout_data();
    void aSelectionWithoutATagIsWarnedAbout();
    void dialogsOpenForTheSelectedTag_data();
    void dialogsOpenForTheSelectedTag();
    void yesRebuildsTheTableTheSelectionIsIn_data();
    void yesRebuildsTheTableTheSelectionIsIn();
    void noChangesNothing();
    void cancellingTheTableDialogKeepsTheTable();
    void okInTheImageDialogReplacesTheSelectedTag();
    void chainsWorkOnTheSelectionF1Found_data();
    void chainsWorkOnTheSelectionF1Found();
};

namespace {

const QString Question =
    QStringLiteral("tableタグの再編集を行うとテーブル内に書いた文字は消えてしまいますがよろしいですか？");
const QString DefaultTable = QStringLiteral("<table>\r\n <tr>\r\n  <td>\r\n  <td>\r\n </tr>\r\n"
                                            " <tr>\r\n  <td>\r\n  <td>\r\n </tr>\r\n</table>");

// A page drawn with its selection between « and ».
struct Page {
    QString text;
    qsizetype selStart = 0;
    qsizetype selLength = 0;
};

Page page(const QString &drawing)
{
    Page page;
    page.selStart = drawing.indexOf(QChar(0x00AB));
    page.selLength = drawing.indexOf(QChar(0x00BB)) - page.selStart - 1;
    page.text = drawing;
    page.text.remove(QChar(0x00AB)).remove(QChar(0x00BB));
    return page;
}

// Opens the page from a file and selects its marked stretch.
Form1 *openWithSelection(FrameFixture &f, const Page &p)
{
    Form1 *doc = f.openFile(f.writeFile(QStringLiteral("page.html"), p.text.toUtf8()));
    if (!doc)
        return nullptr;
    RichTextBox1 *box = doc->richTextBox1();
    box->setSelStart(p.selStart);
    box->setSelLength(p.selLength);
    box->setFocus();
    return doc;
}

void pressF1(Form1 *doc)
{
    QTest::keyClick(doc->richTextBox1(), Qt::Key_F1);
    FrameFixture::settle();
}

QString questionsAsked(const TestSeam &seam)
{
    qsizetype count = 0;
    for (const TestSeam::Message &message : seam.messages)
        if (message.text == Question)
            ++count;
    return QString::number(count);
}

} // namespace

void TestTagReeditWindow::sitsInTheEditMenuOnF1()
{
    FrameFixture f;
    Form1 *doc = f.active();
    QAction *item = doc->menuItem(QStringLiteral("IDM_TAG_REEDIT"));
    QVERIFY(item);
    QCOMPARE(item->text(), QStringLiteral("タグ再編集(&E)"));
    QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(doc->menuItem(QStringLiteral("IDM_EDIT"))->menu()->actions().first(), item);
}

void TestTagReeditWindow::aSelectionWithoutATagIsWarnedAbout_data()
{
    QTest::addColumn<QString>("drawing");
    QTest::newRow("nothing selected") << "<table><td>a«»b</td></table>";
    QTest::newRow("words without a bracket") << "<p>«table img title»</p>";
    QTest::newRow("a closing bracket alone is no tag") << "<p>«a > b»</p>";
}

void TestTagReeditWindow::aSelectionWithoutATagIsWarnedAbout()
{
    QFETCH(QString, drawing);
    FrameFixture f;
    const Page p = page(drawing);
    Form1 *doc = openWithSelection(f, p);
    QVERIFY(doc);
    ModalSequence dialogs;
    pressF1(doc);
    QCOMPARE(f.seam.messages.size(), 1);
    QCOMPARE(f.seam.messages.first().icon, QMessageBox::Warning);
    QCOMPARE(f.seam.messages.first().title, QStringLiteral("注意"));
    QCOMPARE(f.seam.messages.first().text, QStringLiteral("タグを選択して下さい。"));
    QCOMPARE(dialogs.seen(), QStringList());
    QCOMPARE(doc->richTextBox1()->Text(), p.text);
    QVERIFY(doc->richTextBox1()->hasFocus());
}

void TestTagReeditWindow::dialogsOpenForTheSelectedTag_data()
{
    QTest::addColumn<QString>("drawing");
    QTest::addColumn<QStringList>("dialogs"); // in the order they open; every one cancelled
    QTest::addColumn<QString>("questions");    // how often the table question came

    const QString img = QStringLiteral("ImgTagCfg");
    const QString site = QStringLiteral("SiteCfg");
    const QString table = QStringLiteral("TableSet");
    QTest::newRow("img tag: the image dialog") << "<p>«<img src=\"a.png\">»</p>" << QStringList{img} << "0";
    QTest::newRow("title element: the page settings") << "<head>«<title>Home</title>»</head>" << QStringList{site}
                                                      << "0";
    QTest::newRow("img with a title: the image dialog, then the page settings")
        << "<p>«<img src=\"a.png\" title=\"a\">»</p>" << QStringList{img, site} << "0";
    QTest::newRow("a tag of none of the three: nothing, silently") << "«<p>text</p>»" << QStringList{} << "0";
    QTest::newRow("a table's start tag: the question, then the table dialog")
        << "«<table>»<tr><td>a</td></tr></table>" << QStringList{table} << "1";
    QTest::newRow("stable in a cell: the question, then the table dialog")
        << "<table><tr>«<td>stable</td>»</tr></table>" << QStringList{table} << "1";
    QTest::newRow("a cell without the word: no question, nothing")
        << "<table><tr>«<td>a</td>»</tr></table>" << QStringList{} << "0";
    QTest::newRow("img in the last cell up to the table's end: image dialog, question, table dialog")
        << "<table><tr>«<td><img src=\"a.png\"></td></tr></table>»" << QStringList{img, table} << "1";
    QTest::newRow("the word table outside any table: the question, no dialog")
        << "<p>«<b>table</b>»</p>" << QStringList{} << "1";
    QTest::newRow("a table never closed: the question, no dialog")
        << "<table>«<tr><td>table</td>»</tr>" << QStringList{} << "1";
}

void TestTagReeditWindow::dialogsOpenForTheSelectedTag()
{
    QFETCH(QString, drawing);
    QFETCH(QStringList, dialogs);
    QFETCH(QString, questions);
    FrameFixture f;
    const Page p = page(drawing);
    Form1 *doc = openWithSelection(f, p);
    QVERIFY(doc);
    f.seam.buttons = {QMessageBox::Yes};
    ModalSequence opened;
    pressF1(doc);
    QCOMPARE(opened.seen(), dialogs);
    QCOMPARE(questionsAsked(f.seam), questions);
    for (const TestSeam::Message &message : f.seam.messages) {
        QCOMPARE(message.title, QStringLiteral("注意"));
        QCOMPARE(message.text, Question);
    }
    QCOMPARE(doc->richTextBox1()->Text(), p.text);
    QVERIFY(doc->richTextBox1()->hasFocus());
}

void TestTagReeditWindow::yesRebuildsTheTableTheSelectionIsIn_data()
{
    QTest::addColumn<QString>("drawing");
    QTest::addColumn<QString>("rebuilt"); // the text once OK wrote the default table

    const QString first = QStringLiteral("<table>\r\n<tr><td>one</td></tr>\r\n</table>\r\n");
    const QString second = QStringLiteral("<TABLE border=1>\r\n<tr><td>two</td></tr>\r\n</table >");
    QTest::newRow("two tables, the second's last row and end tag selected: the second is rebuilt, the first kept")
        << first + "<p>text</p>\r\n<TABLE border=1>\r\n«<tr><td>two</td></tr>\r\n</table >»\r\n"
        << first + "<p>text</p>\r\n" + DefaultTable + "\r\n";
    QTest::newRow("two tables, the first's start tag selected: the first is rebuilt")
        << "«<table>»\r\n<tr><td>one</td></tr>\r\n</table>\r\n" + second
        << DefaultTable + "\r\n" + second;
    QTest::newRow("nested, a cell of the inner table: only the inner is rebuilt")
        << "<table><tr><td>\r\n<table><tr>«<td>stable</td>»</tr></table>\r\n</td></tr></table>"
        << "<table><tr><td>\r\n" + DefaultTable + "\r\n</td></tr></table>";
}

void TestTagReeditWindow::yesRebuildsTheTableTheSelectionIsIn()
{
    QFETCH(QString, drawing);
    QFETCH(QString, rebuilt);
    FrameFixture f;
    const Page p = page(drawing);
    Form1 *doc = openWithSelection(f, p);
    QVERIFY(doc);
    RichTextBox1 *box = doc->richTextBox1();
    f.seam.buttons = {QMessageBox::Yes};
    QString selectedWhileOpen;
    ModalSequence opened([&](QDialog *dialog) {
        selectedWhileOpen = box->SelText();
        if (auto *table = qobject_cast<TableSet *>(dialog))
            QTest::keyClick(table->Text1(), Qt::Key_Return);
    });
    pressF1(doc);
    QCOMPARE(opened.seen(), QStringList{QStringLiteral("TableSet")});
    QCOMPARE(f.seam.messages.size(), 1);
    QCOMPARE(f.seam.messages.first().text, Question);
    // The dialog opened on the whole table it then replaced.
    QVERIFY(selectedWhileOpen.startsWith(QLatin1String("<table"), Qt::CaseInsensitive));
    QVERIFY(selectedWhileOpen.endsWith(QLatin1Char('>')));
    QCOMPARE(box->Text(), rebuilt);
    QVERIFY(box->hasFocus());
    QVERIFY(doc->TextEdit);
    // The old table comes back in one step.
    box->Undo();
    QCOMPARE(box->Text(), p.text);
}

void TestTagReeditWindow::noChangesNothing()
{
    FrameFixture f;
    const Page p = page(QStringLiteral("<table><tr><td>one</td></tr></table>\r\n"
                                       "«<table>»<tr><td>two</td></tr></table>"));
    Form1 *doc = openWithSelection(f, p);
    QVERIFY(doc);
    RichTextBox1 *box = doc->richTextBox1();
    f.seam.buttons = {QMessageBox::No};
    ModalSequence opened;
    pressF1(doc);
    QCOMPARE(f.seam.messages.size(), 1);
    QCOMPARE(f.seam.messages.first().text, Question);
    QCOMPARE(opened.seen(), QStringList());
    QCOMPARE(box->Text(), p.text);
    QCOMPARE(box->SelStart(), p.selStart);
    QCOMPARE(box->SelLength(), p.selLength);
    QVERIFY(!doc->TextEdit);
    QVERIFY(box->hasFocus());
}

void TestTagReeditWindow::cancellingTheTableDialogKeepsTheTable()
{
    FrameFixture f;
    const Page p = page(QStringLiteral("<p>a</p>\r\n<table><tr>«<td>two</td></tr></table>»\r\n<p>b</p>"));
    Form1 *doc = openWithSelection(f, p);
    QVERIFY(doc);
    RichTextBox1 *box = doc->richTextBox1();
    f.seam.buttons = {QMessageBox::Yes};
    ModalSequence opened([](QDialog *dialog) {
        if (auto *table = qobject_cast<TableSet *>(dialog))
            QTest::keyClick(table->Text1(), Qt::Key_Escape);
    });
    pressF1(doc);
    QCOMPARE(opened.seen(), QStringList{QStringLiteral("TableSet")});
    QCOMPARE(box->Text(), p.text);
    // The table the dialog would have rebuilt stays selected.
    QCOMPARE(box->SelText(), QStringLiteral("<table><tr><td>two</td></tr></table>"));
    QVERIFY(!doc->TextEdit);
    QVERIFY(box->hasFocus());
}

void TestTagReeditWindow::okInTheImageDialogReplacesTheSelectedTag()
{
    FrameFixture f;
    const Page p = page(QStringLiteral("<p>«<img src=\"old.png\">»</p>"));
    Form1 *doc = openWithSelection(f, p);
    QVERIFY(doc);
    RichTextBox1 *box = doc->richTextBox1();
    ModalSequence opened([](QDialog *dialog) {
        if (auto *image = qobject_cast<ImgTagCfg *>(dialog)) {
            image->Text3()->setText(QStringLiteral("new.png"));
            QTest::mouseClick(image->Command1(), Qt::LeftButton);
        }
    });
    pressF1(doc);
    QCOMPARE(opened.seen(), QStringList{QStringLiteral("ImgTagCfg")});
    const QString text = box->Text();
    QVERIFY2(text.startsWith(QLatin1String("<p><img")) && text.endsWith(QLatin1String("</p>")), qPrintable(text));
    QVERIFY(text.contains(QLatin1String("new.png")));
    QVERIFY(!text.contains(QLatin1String("old.png")));
    QVERIFY(box->hasFocus());
}

void TestTagReeditWindow::chainsWorkOnTheSelectionF1Found_data()
{
    QTest::addColumn<QString>("drawing");
    QTest::addColumn<QStringList>("answers"); // each dialog as it opens, and whether it got OK; Yes to the question
    QTest::addColumn<QString>("questions");
    QTest::addColumn<QString>("result"); // {img}: what the image dialog wrote; {table}: the default table

    const QStringList imageOk{QStringLiteral("ImgTagCfg ok")};
    QTest::newRow("inner table holding an img selected, image OK: the outer table keeps its text, no question")
        << "<table><tr><td>keep me\r\n«<table><tr><td><img src=\"a.png\"></td></tr></table>»</td></tr></table>"
        << imageOk << "0" << "<table><tr><td>keep me\r\n{img}</td></tr></table>";
    QTest::newRow("img named like a table, image OK: the table around the new tag is left alone")
        << "<table><tr><td>«<img src=\"table.png\">»</td></tr></table>" << imageOk << "0"
        << "<table><tr><td>{img}</td></tr></table>";
    const QString page = QStringLiteral("<html>\r\n<head>\r\n«<title>T</title>\r\n</head>\r\n<body>\r\n"
                                        "<table><tr><td>a</td></tr></table>»\r\n</body>\r\n</html>");
    const QString rest = QStringLiteral("<title>T</title>\r\n</head>\r\n<body>\r\n{table}\r\n</body>\r\n</html>");
    QTest::newRow("title and table selected, page settings cancelled: the table is rebuilt")
        << page << QStringList{"SiteCfg cancel", "TableSet ok"} << "1" << "<html>\r\n<head>\r\n" + rest;
    QTest::newRow("title and table selected, page settings applied: the table, moved by the head, is rebuilt")
        << page << QStringList{"SiteCfg ok", "TableSet ok"} << "1"
        << "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html lang=\"ja-JP\">\r\n<head>\r\n"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n" + rest;
}

void TestTagReeditWindow::chainsWorkOnTheSelectionF1Found()
{
    QFETCH(QString, drawing);
    QFETCH(QStringList, answers);
    QFETCH(QString, questions);
    QFETCH(QString, result);
    FrameFixture f;
    const Page p = page(drawing);
    Form1 *doc = openWithSelection(f, p);
    QVERIFY(doc);
    f.seam.buttons = {QMessageBox::Yes};
    QString imageTag;
    qsizetype step = 0;
    ModalSequence opened([&](QDialog *dialog) {
        const bool ok = answers.value(step++).endsWith(QLatin1String(" ok"));
        if (auto *image = qobject_cast<ImgTagCfg *>(dialog); image && ok) {
            image->Text3()->setText(QStringLiteral("new.png"));
            QTest::mouseClick(image->Command1(), Qt::LeftButton);
            const QString text = doc->richTextBox1()->Text();
            imageTag = text.mid(p.selStart, text.indexOf(QLatin1Char('>'), text.indexOf(QLatin1String("new.png"))) + 1 - p.selStart);
        } else if (auto *site = qobject_cast<SiteCfg *>(dialog)) {
            QTest::mouseClick(ok ? site->Command1() : site->Command2(), Qt::LeftButton);
        } else if (auto *table = qobject_cast<TableSet *>(dialog); table && ok) {
            QTest::keyClick(table->Text1(), Qt::Key_Return);
        }
    });
    pressF1(doc);
    QStringList dialogs;
    for (const QString &answer : answers)
        dialogs << answer.section(QLatin1Char(' '), 0, 0);
    QCOMPARE(opened.seen(), dialogs);
    QCOMPARE(questionsAsked(f.seam), questions);
    QCOMPARE(doc->richTextBox1()->Text(), QString(result).replace(QLatin1String("{img}"), imageTag).replace(QLatin1String("{table}"), DefaultTable));
}

QTEST_MAIN(TestTagReeditWindow)
#include "tst_tagreeditwindow.moc"
