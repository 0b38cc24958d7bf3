#include "generators/sourceedit.h"
#include "generators/tablemarkup.h"

#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(TableSettings)

namespace {

QString lines(const QStringList &list)
{
    return list.join(QStringLiteral("\r\n"));
}

TableSettings table(const std::function<void(TableSettings &)> &change = {})
{
    TableSettings s;
    if (change)
        change(s);
    return s;
}

} // namespace

// The table skeleton and the counts behind it.
class TestTableMarkup : public QObject
{
    Q_OBJECT

private slots:
    void markup_data();
    void markup();
    void count_data();
    void count();
    void spin_data();
    void spin();
    void size_data();
    void size();
    void colours();
};

void TestTableMarkup::markup_data()
{
    QTest::addColumn<TableSettings>("settings");
    QTest::addColumn<QString>("markup");

    QTest::newRow("defaults: 2 by 2, no border")
        << table()
        << lines({"<table>", " <tr>", "  <td>", "  <td>", " </tr>", " <tr>", "  <td>", "  <td>", " </tr>", "</table>"});
    QTest::newRow("border shown and a background colour")
        << table([](TableSettings &s) {
               s.noBorder = false;
               s.colours[3] = "#ffcc00";
               s.rows = "1";
               s.columns = "1";
           })
        << lines({R"(<table border="1" bgcolor="#ffcc00">)", " <tr>", "  <td>", " </tr>", "</table>"});
    QTest::newRow("two colours in index order")
        << table([](TableSettings &s) {
               s.colours[2] = "#111111";
               s.colours[0] = "#222222";
               s.rows = "0";
           })
        << lines({R"(<table bordercolor="#222222" bordercolorlight="#111111">)", "</table>"});
    QTest::newRow("row count 0: start tag, line break, end tag") << table([](TableSettings &s) { s.rows = "0"; })
                                                                 << lines({"<table>", "</table>"});
    QTest::newRow("column count 0: rows without cells")
        << table([](TableSettings &s) { s.columns = "0"; })
        << lines({"<table>", " <tr>", " </tr>", " <tr>", " </tr>", "</table>"});
    QTest::newRow("colour text other than the placeholder written unchanged")
        << table([](TableSettings &s) {
               s.colours[1] = "dark";
               s.rows = "0";
           })
        << lines({R"(<table bordercolordark="dark">)", "</table>"});
}

void TestTableMarkup::markup()
{
    QFETCH(TableSettings, settings);
    QFETCH(QString, markup);
    const auto pieces = TableMarkup::build(settings);
    QVERIFY(pieces);
    QCOMPARE(piecesText(*pieces), markup);
}

void TestTableMarkup::count_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("count");

    QTest::newRow("plain number") << "12" << qsizetype(12);
    QTest::newRow("leading blanks") << "  3" << qsizetype(3);
    QTest::newRow("trailing text ignored") << "4行" << qsizetype(4);
    QTest::newRow("2.5 rounds to even 2") << "2.5" << qsizetype(2);
    QTest::newRow("3.5 rounds to even 4") << "3.5" << qsizetype(4);
    QTest::newRow("2.6 rounds up") << "2.6" << qsizetype(3);
    QTest::newRow("text without a number is 0") << "abc" << qsizetype(0);
    QTest::newRow("empty is 0") << "" << qsizetype(0);
    QTest::newRow("negative is no rows") << "-3" << qsizetype(0);
    QTest::newRow("beyond 16 bits") << "40000" << qsizetype(40000);
    QTest::newRow("full-width digits are no number") << "３" << qsizetype(0);
}

void TestTableMarkup::count()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, count);
    QCOMPARE(TableMarkup::count(text), count);
}

void TestTableMarkup::spin_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("up");
    QTest::addColumn<QString>("down");

    QTest::newRow("2 steps to 3 and 1") << "2" << "3" << "1";
    QTest::newRow("1 down gives 0") << "1" << "2" << "0";
    QTest::newRow("0 down stays 0") << "0" << "1" << "0";
    QTest::newRow("text counts as 0: up 1, down unchanged") << "abc" << "1" << "abc";
    QTest::newRow("no leading blank in the result") << " 5" << "6" << "4";
    QTest::newRow("no upper limit") << "32767" << "32768" << "32766";
}

void TestTableMarkup::spin()
{
    QFETCH(QString, text);
    QFETCH(QString, up);
    QFETCH(QString, down);
    QCOMPARE(TableMarkup::stepUp(text), up);
    QCOMPARE(TableMarkup::stepDown(text), down);
}

void TestTableMarkup::size_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("columns");
    QTest::addColumn<bool>("refused");

    QTest::newRow("100 x 100 built") << "100" << "100" << false;
    QTest::newRow("exactly 100000 cells built") << "1000" << "100" << false;
    QTest::newRow("100001 cells refused") << "100001" << "1" << true;
    QTest::newRow("a million empty rows refused") << "1000000" << "0" << true;
    QTest::newRow("no rows: any column count built") << "0" << "99999999" << false;
    QTest::newRow("twenty-digit counts refused, no overflow") << "99999999999999999999" << "99999999999999999999" << true;
}

void TestTableMarkup::size()
{
    QFETCH(QString, rows);
    QFETCH(QString, columns);
    QFETCH(bool, refused);
    TableSettings settings;
    settings.rows = rows;
    settings.columns = columns;
    QCOMPARE(TableMarkup::tooLarge(settings), refused);
    QCOMPARE(TableMarkup::build(settings).has_value(), !refused);
}

void TestTableMarkup::colours()
{
    TableSettings settings;
    settings.noBorder = false;
    settings.rows = "1";
    settings.columns = "1";
    const PieceList expected = {
        {"<", std::nullopt},
        {"table", SyntaxColor::Blue},
        {" border=", SyntaxColor::Purple},
        {"\"1\"", SyntaxColor::Green},
        {">\r\n <", SyntaxColor::Black},
        {"tr", SyntaxColor::Blue},
        {">\r\n  <", SyntaxColor::Black},
        {"td", SyntaxColor::Blue},
        {">\r\n <", SyntaxColor::Black},
        {"/tr", SyntaxColor::Blue},
        {">\r\n<", SyntaxColor::Black},
        {"/table", SyntaxColor::Blue},
        {">", SyntaxColor::Black},
    };
    QCOMPARE(*TableMarkup::build(settings), expected);
}

QTEST_MAIN(TestTableMarkup)
#include "tst_tablemarkup.moc"
