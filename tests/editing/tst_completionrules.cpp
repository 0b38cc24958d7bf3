#include "editing/listfinder.h"
#include "editing/tagnamescan.h"
#include "editing/tagvocabulary.h"

#include <QtTest>

// The rules behind tag and attribute completion, without any window.
class TestCompletionRules : public QObject
{
    Q_OBJECT

private slots:
    void listFinder_data();
    void listFinder();
    void tagNameScan_data();
    void tagNameScan();
};

void TestCompletionRules::listFinder_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<int>("index");

    const QStringList tags = TagVocabulary::tagNames();
    const QStringList table = {"border", "bordercolor", "frame", "tabindex", "tabindex"};
    QTest::newRow("first entry beginning with the text") << tags << "h" << false << tags.indexOf("h1");
    QTest::newRow("letter case ignored") << tags << "TaB" << false << tags.indexOf("table");
    QTest::newRow("declarations found like tags") << tags << "!D" << false << 1;
    QTest::newRow("today's element after the long-standing ones") << tags << "sec" << false << 139;
    QTest::newRow("long-standing entry keeps its prefix") << tags << "se" << false << tags.indexOf("select");
    QTest::newRow("nothing matches") << tags << "xyz" << false << -1;
    QTest::newRow("empty text finds the first entry") << tags << "" << false << 0;
    QTest::newRow("empty list finds nothing") << QStringList() << "" << false << -1;
    QTest::newRow("prefix of a later entry finds the earlier") << table << "border" << false << 0;
    QTest::newRow("duplicates: the first") << table << "tab" << false << 3;
    QTest::newRow("exact needs the whole entry") << table << "borderC" << true << -1;
    QTest::newRow("exact ignores case") << table << "BorderColor" << true << 1;
}

void TestCompletionRules::listFinder()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, text);
    QFETCH(bool, exact);
    QFETCH(int, index);
    QCOMPARE(ListFinder::find(entries, text, exact ? ListFinder::Mode::Exact : ListFinder::Mode::Prefix), index);
}

void TestCompletionRules::tagNameScan_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("name"); // null: no tag start found

    const QString x = QStringLiteral("x");
    QTest::newRow("blank ends the name") << "<img src=\"a.gif\"" << 16 << "img";
    QTest::newRow("last bracket in reach") << "<p>a<b c" << 8 << "b";
    QTest::newRow("bracket at the caret excluded") << "<p>a<" << 5 << "p";
    QTest::newRow("only a bracket at the caret") << "a<" << 2 << QString();
    QTest::newRow("no bracket") << "plain text" << 6 << QString();
    QTest::newRow("bracket after the caret does not count") << "ab<c" << 1 << QString();
    QTest::newRow("exactly 300 back") << "<a" + x.repeated(298) << 300 << "a" + x.repeated(298);
    QTest::newRow("301 back is out of reach") << "<a" + x.repeated(299) << 301 << QString();
    QTest::newRow("300 back from further in") << "yy<a " + x.repeated(297) << 302 << "a";
    QTest::newRow("greater nearer than a blank") << "<br>text more" << 3 << "br";
    QTest::newRow("blank nearer than a greater") << "<td x>" << 3 << "td";
    QTest::newRow("no end: the end of the text") << "<img" << 2 << "img";
    QTest::newRow("line break ends the name") << "<img\r\nsrc" << 9 << "img";
    QTest::newRow("tab ends the name") << "<img\tsrc" << 6 << "img";
    QTest::newRow("empty name") << "<>" << 2 << "";
    QTest::newRow("letter case kept") << "<TD x" << 4 << "TD";
    QTest::newRow("caret past the end is the end") << "<a x" << 99 << "a";
}

void TestCompletionRules::tagNameScan()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, name);
    const std::optional<QString> found = TagNameScan::find(text, caret);
    QCOMPARE(found.has_value(), !name.isNull());
    if (found)
        QCOMPARE(*found, name);
}

QTEST_MAIN(TestCompletionRules)
#include "tst_completionrules.moc"
