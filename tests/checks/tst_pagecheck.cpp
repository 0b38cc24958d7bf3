#include "checks/linkcheck.h"
#include "checks/pagecheck.h"
#include "document/documentfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

namespace {

const char CleanPage[] = "<!DOCTYPE html>\n<html lang=\"ja\">\n<title>x</title>\n<a href=\"b.html\">b</a>\n</html>\n";

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(bytes);
}

QStringList pictures(const QVector<PageCheck::Finding> &found)
{
    QStringList lines;
    for (const PageCheck::Finding &f : found)
        lines << QStringLiteral("%1:%2 %3").arg(f.line).arg(f.column).arg(f.message);
    return lines;
}

} // namespace

// The command-line page check on real files in a real site folder.
class TestPageCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void findings_data();
    void findings();
    void exitCodes_data();
    void exitCodes();
    void namesFilesAsGiven();
    void helpFileHasNoBrokenLink();

private:
    QTemporaryDir m_site;
};

void TestPageCheck::initTestCase()
{
    QVERIFY(m_site.isValid());
    write(m_site.filePath("b.html"), CleanPage);
    write(m_site.filePath("site.css"), "body { color: red; }\n");
    write(m_site.filePath("app.JS"), "if (a < b) go();\n");
    write(m_site.filePath("unquoted.html"), "<!DOCTYPE html>\n<title>x</title>\n<img src='b.html' alt=b>\n");
    write(m_site.filePath("parts.html"), "<!DOCTYPE html>\n<html lang=\"ja\">\n<title>x</title>\n"
                                         "<a href=\"b.html#top\">b</a><a href=\"b.html#nowhere\">b</a>\n</html>\n");
}

void TestPageCheck::findings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("quotes");
    QTest::addColumn<QStringList>("expected");

    const QString noDoctype = QStringLiteral("<!DOCTYPE等がないので[Ctrl + F2]を押してページ設定を行って下さい。");
    const QString quotes = QStringLiteral("注意：属性はダブルクォーテーションで囲んで下さい");
    QTest::newRow("clean page") << QString::fromUtf8(CleanPage) << true << QStringList();
    QTest::newRow("no declaration -> 1:1") << QStringLiteral("<html>\n</html>") << false << QStringList{"1:1 " + noDoctype};
    QTest::newRow("<title></title> on line 3")
        << QStringLiteral("<!DOCTYPE html>\n<html>\n  <title></title>") << false
        << QStringList{QStringLiteral("3:9 警告：タイトルが空欄です。ページのタイトルを設定して下さい。")};
    QTest::newRow("--quotes:   <td width=3> on line 2 -> column of <")
        << QStringLiteral("<!DOCTYPE html>\n  <td width=3>\n") << true << QStringList{"2:3 " + quotes};
    QTest::newRow("--quotes: <p>some words</p> <img src=a.gif> -> only the img")
        << QStringLiteral("<!DOCTYPE html>\n<p>some words</p> <img src=b.html>") << true << QStringList{"2:19 " + quotes};
    QTest::newRow("<td width=3 class='x'> without --quotes: valid, no advice")
        << QStringLiteral("<!DOCTYPE html>\n<td width=3 class='x'>") << false << QStringList();
    QTest::newRow("--quotes: none in a comment, script, style or <hr />, only the td")
        << QStringLiteral("<!DOCTYPE html>\n<!-- <td width=3> -->\n<script>s = '<a x=1>';</script>\n"
                          "<style>a<b c{}</style>\n<hr />\n<td width=3>")
        << true << QStringList{"6:1 " + quotes};
    QTest::newRow("missing.html and #nowhere, lines 2 and 4")
        << QStringLiteral("<!DOCTYPE html>\n<a href=\"missing.html\">m</a>\n<a href=\"b.html\">b</a>\n"
                          "x<a href=\"#nowhere\">n</a>")
        << false
        << QStringList{PageCheck::brokenLinkMessage("missing.html").prepend("2:10 "),
                       PageCheck::brokenLinkMessage("#nowhere").prepend("4:11 ")};
    QTest::newRow("an emoji before a finding counts one column")
        << QStringLiteral("<!DOCTYPE html>\n<p>😀<a href=\"x.html\">😀<a href=\"y.html\">\n😀<a href=\"z.html\">")
        << false
        << QStringList{PageCheck::brokenLinkMessage("x.html").prepend("2:14 "),
                       PageCheck::brokenLinkMessage("y.html").prepend("2:32 "),
                       PageCheck::brokenLinkMessage("z.html").prepend("3:11 ")};
}

void TestPageCheck::findings()
{
    QFETCH(QString, text);
    QFETCH(bool, quotes);
    QFETCH(QStringList, expected);
    const PageCheck::Quotes asked = quotes ? PageCheck::Quotes::Advise : PageCheck::Quotes::Skip;
    QCOMPARE(pictures(PageCheck::findings(text, m_site.path(), PageCheck::Advice::Page, asked)), expected);
}

void TestPageCheck::exitCodes_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("lines");

    QTest::newRow("clean") << QStringList{"b.html"} << int(PageCheck::Clean) << 0;
    QTest::newRow("clean + broken link") << QStringList{"b.html", "sub/bad.html"} << int(PageCheck::FoundSomething) << 1;
    QTest::newRow("missing + broken link, the other still checked")
        << QStringList{"none.html", "sub/bad.html"} << int(PageCheck::Unreadable) << 1;
    QTest::newRow("unquoted values: clean") << QStringList{"unquoted.html"} << int(PageCheck::Clean) << 0;
    QTest::newRow("folder: its pages") << QStringList{"sub"} << int(PageCheck::FoundSomething) << 1;
    QTest::newRow("place missing in another page") << QStringList{"parts.html"} << int(PageCheck::FoundSomething) << 1;
    QTest::newRow("stylesheet and script: no page advice") << QStringList{"site.css", "app.JS"} << int(PageCheck::Clean) << 0;
}

void TestPageCheck::exitCodes()
{
    QFETCH(QStringList, files);
    QFETCH(int, code);
    QFETCH(int, lines);
    // Links resolve against the page's own folder, not the working one.
    write(m_site.filePath("sub/bad.html"), "<!DOCTYPE html>\n<a href=\"b.html\">b</a>\n");
    QStringList paths;
    for (const QString &file : files)
        paths << m_site.filePath(file);
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    QCOMPARE(PageCheck::run(paths, outStream, errStream), code);
    QCOMPARE(out.count(QLatin1Char('\n')), lines);
    QCOMPARE(err.isEmpty(), code != PageCheck::Unreadable);
}

void TestPageCheck::namesFilesAsGiven()
{
    const QString path = m_site.filePath(QStringLiteral("日本語 の ページ.html"));
    write(path, "<html>\n\x82\xa0<a href=\"nai.html\">x</a>\n");
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    QCOMPARE(PageCheck::run({path}, outStream, errStream), int(PageCheck::FoundSomething));
    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines.at(0).startsWith(path + ":1:1: <!DOCTYPE"), qPrintable(lines.at(0)));
    QVERIFY2(lines.at(1).startsWith(path + ":2:"), qPrintable(lines.at(1)));
    QVERIFY(lines.at(1).endsWith(QStringLiteral("nai.html")));

    // A folder's pages are named from the folder as it was given.
    write(m_site.filePath("sub/bad.html"), "<!DOCTYPE html>\n<a href=\"b.html\">b</a>\n");
    const QString before = QDir::currentPath();
    QDir::setCurrent(m_site.path());
    out.clear();
    PageCheck::run({QStringLiteral("sub")}, outStream, errStream);
    QDir::setCurrent(before);
    QVERIFY2(out.startsWith(QStringLiteral("sub/bad.html:2:")), qPrintable(out));
}

void TestPageCheck::helpFileHasNoBrokenLink()
{
    const QString folder = QStringLiteral(TOVALO_RESOURCES);
    const DocumentFile::ReadResult help = DocumentFile::read(folder + QStringLiteral("/tvo.hlp"));
    QVERIFY2(help.ok, qPrintable(help.error));
    QVERIFY(help.warning.isEmpty());
    QString crlf = help.text;
    crlf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    const LinkCheckResult links = LinkCheck::run(crlf, folder);
    QStringList broken;
    for (const TextRange &range : links.broken)
        broken << crlf.mid(range.start, range.length);
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1Char(' '))));
    // The contents and the pictures were looked at, not skipped.
    QVERIFY2(links.examined >= 40, qPrintable(QString::number(links.examined)));
}

QTEST_GUILESS_MAIN(TestPageCheck)
#include "tst_pagecheck.moc"
