#include "commands/tagreedit.h"

#include <QtTest>

// The rules behind the tag re-edit, without any window: which dialogs a
// selection asks for, and which table a table re-edit rebuilds.
class TestTagReedit : public QObject
{
    Q_OBJECT

private slots:
    void plan_data();
    void plan();
    void table_data();
    void table();
    void outOfRangeSelectionsStayInTheText_data();
    void outOfRangeSelectionsStayInTheText();
};

namespace {

// A source drawn with its selection between « and » and the table expected
// to be rebuilt between ⟦ and ⟧; the marks are not part of the text.
struct Picture {
    QString text;
    qsizetype selStart = -1;
    qsizetype selEnd = -1;
    qsizetype tableStart = -1;
    qsizetype tableEnd = -1;
};

Picture read(const QString &drawing)
{
    Picture picture;
    for (const QChar ch : drawing) {
        const qsizetype here = picture.text.size();
        if (ch == QChar(0x00AB))
            picture.selStart = here;
        else if (ch == QChar(0x00BB))
            picture.selEnd = here;
        else if (ch == QChar(0x27E6))
            picture.tableStart = here;
        else if (ch == QChar(0x27E7))
            picture.tableEnd = here;
        else
            picture.text.append(ch);
    }
    return picture;
}

using Plan = TagReedit::Plan;

Plan planOf(bool image, bool pageSettings, bool table)
{
    Plan plan;
    plan.image = image;
    plan.pageSettings = pageSettings;
    plan.table = table;
    return plan;
}

Plan warningOnly()
{
    Plan plan;
    plan.needsTag = true;
    return plan;
}

} // namespace

Q_DECLARE_METATYPE(TagReedit::Plan)

void TestTagReedit::plan_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<Plan>("expected");

    QTest::newRow("nothing selected: the warning") << QString() << warningOnly();
    QTest::newRow("the three words without a tag: the warning") << "table img title" << warningOnly();
    QTest::newRow("a tag of none of the three: nothing") << "<p>text</p>" << planOf(false, false, false);
    QTest::newRow("img tag") << "<img src=\"a.png\">" << planOf(true, false, false);
    QTest::newRow("IMG in capitals") << "<IMG SRC=\"A.PNG\">" << planOf(true, false, false);
    QTest::newRow("title element") << "<title>Home</title>" << planOf(false, true, false);
    QTest::newRow("img with a title attribute: image, then page settings")
        << "<img src=\"a.png\" title=\"a\">" << planOf(true, true, false);
    QTest::newRow("table start tag") << "<table border=\"1\">" << planOf(false, false, true);
    QTest::newRow("stable inside a cell counts as table") << "<td>stable</td>" << planOf(false, false, true);
    QTest::newRow("a whole page asks for all three")
        << "<title>t</title>\r\n<table><td><img src=\"a.png\"></td></table>" << planOf(true, true, true);
    QTest::newRow("a lone < is a tag enough") << "a < b title" << planOf(false, true, false);
}

void TestTagReedit::plan()
{
    QFETCH(QString, selected);
    QFETCH(Plan, expected);
    const Plan plan = TagReedit::plan(selected);
    QCOMPARE(plan.needsTag, expected.needsTag);
    QCOMPARE(plan.image, expected.image);
    QCOMPARE(plan.pageSettings, expected.pageSettings);
    QCOMPARE(plan.table, expected.table);
}

void TestTagReedit::table_data()
{
    QTest::addColumn<QString>("drawing");

    const QString first = QStringLiteral("<table>\r\n<tr><td>one</td></tr>\r\n</table>\r\n");
    QTest::newRow("two tables, a cell of the second selected: the second")
        << first + "⟦<table>\r\n<tr><td>«two»</td></tr>\r\n</table>⟧\r\n";
    QTest::newRow("two tables, a cell of the first selected: the first")
        << "⟦<table><tr><td>«one»</td></tr></table>⟧\r\n<table><tr><td>two</td></tr></table>";
    QTest::newRow("nested, a cell of the inner table: the inner")
        << "<table><tr><td>⟦<table><tr><td>«in»</td></tr></table>⟧</td></tr></table>";
    QTest::newRow("nested, the outer cell after the inner table: the outer")
        << "⟦<table><tr><td><table><tr><td>in</td></tr></table>«out»</td></tr></table>⟧";
    QTest::newRow("nested, the outer cell before the inner table: the outer")
        << "⟦<table><tr><td>«out»<table><tr><td>in</td></tr></table></td></tr></table>⟧";
    QTest::newRow("nested, the inner table selected whole: the inner")
        << "<table><tr><td>⟦«<table><tr><td>in</td></tr></table>»⟧</td></tr></table>";
    QTest::newRow("nested, the inner table selected with the blanks and line breaks around it")
        << "<table><tr><td>\r\n«  ⟦<table><tr><td>in</td></tr></table>⟧\r\n»</td></tr></table>";
    QTest::newRow("a cell holding a nested table: the table the cell is in")
        << "⟦<table><tr>«<td><table><tr><td>in</td></tr></table></td>»</tr></table>⟧";
    QTest::newRow("TABLE in capitals") << "x⟦<TABLE BORDER=1><TR><TD>«a»</TD></TR></TABLE>⟧y";
    QTest::newRow("mixed case") << "⟦<Table><tr><td>«a»</td></tr></tAbLe>⟧";
    QTest::newRow("a blank before the closing >") << "⟦<table><td>«a»</td></table >⟧ after";
    QTest::newRow("a line break inside the closing tag") << "⟦<table><td>«a»</td></table\r\n>⟧";
    QTest::newRow("start tag alone selected") << "⟦«<table border=\"1\">»<tr><td>a</td></tr></table>⟧";
    QTest::newRow("the inner table's closing tag alone selected: the inner")
        << "<table><tr><td>⟦<table><tr><td>a</td></tr>«</table>»⟧</td></tr></table>";
    QTest::newRow("selection spanning a table's start from the text before it")
        << "<p>«intro</p>\r\n⟦<table border=1>»<tr><td>a</td></tr></table>⟧";
    QTest::newRow("selection spanning a table's end into the text after it")
        << "⟦<table><tr><td>«a</td></tr></table>⟧\r\n<p>after»</p>";
    QTest::newRow("selection starting inside the start tag") << "⟦<ta«ble border=1><tr>»<td>a</td></tr></table>⟧";
    QTest::newRow("selection ending inside the closing tag") << "⟦<table><tr>«<td>a</td></tr></ta»ble>⟧";
    QTest::newRow("two whole tables selected: the first")
        << "«⟦<table><td>a</td></table>⟧\r\n<table><td>b</td></table>»";
    QTest::newRow("from one table into the next: the one whose start it holds")
        << "<table><td>«a</td></table>\r\n⟦<table><td>b»</td></table>⟧";
    QTest::newRow("stable in a cell") << "⟦<table><tr>«<td>stable</td>»</tr></table>⟧";
    QTest::newRow("caret in a cell, nothing selected") << "⟦<table><td>a«»b</td></table>⟧";
    QTest::newRow("a stray closing before the table is passed over")
        << "</table>\r\n⟦<table><td>«a»</td></table>⟧";
    QTest::newRow("a whole closed table before the selected one is passed over")
        << "<table><td>0</td></table>⟦<table><td><table><td>1</td></table>«a»</td></table>⟧";
    QTest::newRow("ten thousand tables before the selected one")
        << QStringLiteral("<table><td>0</td></table>\r\n").repeated(10000) + "⟦<table><td>«a»</td></table>⟧";
    QTest::newRow("ten thousand tables after the selected one")
        << "⟦<table><td>«a»</td></table>⟧" + QStringLiteral("<table><td>0</td></table>\r\n").repeated(10000);

    QTest::newRow("a table start put aside in a comment inside the cell is passed over")
        << "⟦<table><tr><td><!-- <table> -->«a»</td></tr></table>⟧";
    QTest::newRow("a commented-out old table and a closing in a comment are passed over")
        << "<!-- <table><td>old</td></table> -->\r\n⟦<table><td>«a»<!-- </table> --></td></table>⟧";
    QTest::newRow("a table's start and end right after a comment's end are the table's")
        << "<!-- note -->⟦<table><td>«a»<!-- b --></table>⟧";
    QTest::newRow("a comment never closed hides the rest")
        << "⟦<table><td>«a»</td></table>⟧<!-- <table></table>";

    QTest::newRow("no table in the page: none") << "<p>«<b>table</b>»</p>";
    QTest::newRow("selection in a commented-out table: none") << "<!-- <table><td>«a»</td></table> -->";
    QTest::newRow("the table is never closed: none") << "<table><tr><td>«a»</td></tr>";
    QTest::newRow("a closing without its start: none") << "<td>«a»</td></table>";
    QTest::newRow("selection before the tables: none") << "<p>«a»</p><table><td>b</td></table>";
    QTest::newRow("selection between two tables: none")
        << "<table><td>a</td></table>\r\n<p>«b»</p>\r\n<table><td>c</td></table>";
    QTest::newRow("selection after the tables: none") << "<table><td>a</td></table><p>«b»</p>";
    QTest::newRow("caret right after a table: none") << "<table><td>a</td></table>«»<p>b</p>";
    QTest::newRow("<tablet> is no table: none") << "<tablet><td>«a»</td></tablet>";
    QTest::newRow("table in an attribute value is no table: none") << "<div class=\"table\">«<td>a</td>»</div>";
    QTest::newRow("a full-width letter is no part of the name: none") << "<ｔable><td>«a»</td></ｔable>";
}

void TestTagReedit::table()
{
    QFETCH(QString, drawing);
    const Picture picture = read(drawing);
    QVERIFY2(picture.selStart >= 0 && picture.selEnd >= picture.selStart, "the drawing marks its selection");
    const std::optional<TextRange> found =
        TagReedit::table(picture.text, picture.selStart, picture.selEnd - picture.selStart);
    if (picture.tableStart < 0) {
        QVERIFY2(!found, qPrintable(found ? picture.text.mid(found->start, found->length) : QString()));
        return;
    }
    QVERIFY(found);
    QCOMPARE(picture.text.mid(found->start, found->length),
             picture.text.mid(picture.tableStart, picture.tableEnd - picture.tableStart));
    QCOMPARE(found->start, picture.tableStart);
}

void TestTagReedit::outOfRangeSelectionsStayInTheText_data()
{
    QTest::addColumn<qsizetype>("start");
    QTest::addColumn<qsizetype>("length");
    QTest::addColumn<bool>("found");

    QTest::newRow("start before the text") << qsizetype(-5) << qsizetype(8) << true;
    QTest::newRow("length past the end") << qsizetype(8) << qsizetype(1000) << true;
    QTest::newRow("start past the end") << qsizetype(1000) << qsizetype(3) << false;
    QTest::newRow("negative length") << qsizetype(10) << qsizetype(-4) << true;
}

void TestTagReedit::outOfRangeSelectionsStayInTheText()
{
    QFETCH(qsizetype, start);
    QFETCH(qsizetype, length);
    QFETCH(bool, found);
    const QString text = QStringLiteral("<table><td>a</td></table>");
    const std::optional<TextRange> range = TagReedit::table(text, start, length);
    QCOMPARE(bool(range), found);
    if (range)
        QCOMPARE(text.mid(range->start, range->length), text);
}

QTEST_GUILESS_MAIN(TestTagReedit)
#include "tst_tagreedit.moc"
