#include "frame/webfilefilter.h"

#include <QTest>

class TestWebFileFilter : public QObject
{
    Q_OBJECT

private slots:
    void matches_data();
    void matches();
};

void TestWebFileFilter::matches_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("listed");

    QTest::newRow("htm") << QStringLiteral("index.htm") << true;
    QTest::newRow("html with the htm files") << QStringLiteral("index.html") << true;
    QTest::newRow("upper-case page") << QStringLiteral("INDEX.HTM") << true;
    QTest::newRow("mixed-case style sheet") << QStringLiteral("style.CsS") << true;
    QTest::newRow("script with several dots") << QStringLiteral("jquery.min.js") << true;
    QTest::newRow("text file") << QStringLiteral("readme.txt") << false;
    QTest::newRow("extension inside the name") << QStringLiteral("htm.txt") << false;
    QTest::newRow("json is not js") << QStringLiteral("data.json") << false;
    QTest::newRow("scss is not css") << QStringLiteral("site.scss") << false;
    QTest::newRow("shtml is not htm") << QStringLiteral("page.shtml") << false;
    QTest::newRow("no dot") << QStringLiteral("notcss") << false;
    QTest::newRow("backup copy") << QStringLiteral("index.htm~") << false;
}

void TestWebFileFilter::matches()
{
    QFETCH(QString, name);
    QFETCH(bool, listed);
    QCOMPARE(WebFileFilter::matches(name), listed);
}

QTEST_APPLESS_MAIN(TestWebFileFilter)
#include "tst_webfilefilter.moc"
