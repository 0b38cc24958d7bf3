#include "checks/linkcheck.h"
#include "checks/linktargetscanner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(LinkTargetMeaning::Kind)

namespace {

QStringList textsOf(const QString &text, const TextRanges &ranges)
{
    QStringList texts;
    for (const TextRange &range : ranges)
        texts << text.mid(range.start, range.length);
    return texts;
}

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
}

} // namespace

// Finding link targets in a page and deciding which are broken, against a real
// folder tree.
class TestLinkCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readsTargets_data();
    void readsTargets();
    void readsAnchors_data();
    void readsAnchors();
    void targetOffsetsCountLineBreaksAsTwo();
    void understandsTargets_data();
    void understandsTargets();
    void findsBrokenLinks_data();
    void findsBrokenLinks();
    void checksAHugePage();
    void adviceText_data();
    void adviceText();
    void baseFolder();

private:
    QTemporaryDir m_site;
};

void TestLinkCheck::initTestCase()
{
    QVERIFY(m_site.isValid());
    touch(m_site.filePath("a.html"));
    touch(m_site.filePath("img/a.gif"));
    touch(m_site.filePath("my page.html"));
    touch(m_site.filePath("A&B.html"));
    touch(m_site.filePath(QStringLiteral("日本.html")));
    touch(m_site.filePath("sub/b.html"));
}

void TestLinkCheck::readsTargets_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("targets");

    QTest::newRow("HREF in capitals, double quotes") << R"(<A HREF="a.html">)" << QStringList{"a.html"};
    QTest::newRow("href in lower case") << R"(<a href="a.html">)" << QStringList{"a.html"};
    QTest::newRow("mixed case HrEf") << R"(<a HrEf="a.html">)" << QStringList{"a.html"};
    QTest::newRow("single quotes keep blanks") << R"(<a href='b c.html'>)" << QStringList{"b c.html"};
    QTest::newRow("double quote inside single quotes") << R"(<a href='x"y.html'>)" << QStringList{"x\"y.html"};
    QTest::newRow("no quotes: a blank ends it") << R"(<a href=x.html title=y>)" << QStringList{"x.html"};
    QTest::newRow("no quotes: > ends it") << R"(<a href=x.html>)" << QStringList{"x.html"};
    QTest::newRow("blanks around =") << R"(<a href = "x.html">)" << QStringList{"x.html"};
    QTest::newRow("line breaks around =") << "<a href\r\n=\r\n'x.html'>" << QStringList{"x.html"};
    QTest::newRow("src of img, script and frame") << R"(<img src="i.gif"><script src="s.js"></script><frame src=f.html>)" << QStringList{"i.gif", "s.js", "f.html"};
    QTest::newRow("several in one tag, > inside quotes") << R"(<a title="a>b" href="a.html"><img src='i.gif' alt=x>)" << QStringList{"a.html", "i.gif"};
    QTest::newRow("empty value") << R"(<a href="">)" << QStringList{""};
    QTest::newRow("unterminated quote skipped, later links read") << R"(<a href='x.html><a href="y.html">)" << QStringList{"y.html"};
    QTest::newRow("unterminated double quote at the end") << R"(<p>text<a href="x.html>)" << QStringList{};
    QTest::newRow("unquoted value running off the end") << R"(<a href=x.html)" << QStringList{};
    QTest::newRow("longer names are other attributes") << R"(<img data-src="a.gif" xhref="b.html" srcset="c.gif">)" << QStringList{};
    QTest::newRow("href= in plain text is no link") << R"(write href="a.html" here)" << QStringList{};
    QTest::newRow("attribute without a value before one") << R"(<img ismap src="i.gif">)" << QStringList{"i.gif"};
    QTest::newRow("commented out") << R"(<!-- <a href="old.html"> --><a href="new.html">)" << QStringList{"new.html"};
    QTest::newRow("comment never closed hides the rest") << R"(<a href="a.html"><!-- <a href="b.html">)" << QStringList{"a.html"};
    QTest::newRow("script text holds no tags") << R"(<script>if (a<b) s='<a href="js.html">';</script><a href="after.html">)" << QStringList{"after.html"};
    QTest::newRow("script end tag in any case") << R"(<SCRIPT src="s.js">t="<img src='q.gif'>";</sCrIpT><img src="r.gif">)" << QStringList{"s.js", "r.gif"};
    QTest::newRow("style text holds no tags") << R"(<style>p<a{}</style><img src="r.gif">)" << QStringList{"r.gif"};
    QTest::newRow("tag left open before the next") << R"(<a href="a.html" <img src="i.gif">)" << QStringList{"a.html", "i.gif"};
    QTest::newRow("no tags at all") << "just text < and > here" << QStringList{};
}

void TestLinkCheck::readsTargets()
{
    QFETCH(QString, page);
    QFETCH(QStringList, targets);
    QCOMPARE(textsOf(page, LinkTargetScanner::scan(page).targets), targets);
}

void TestLinkCheck::readsAnchors_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("anchors");

    QTest::newRow("id and name, any quoting") << R"(<h2 id="s1"><a NAME='s2'></a><p Id=s3>)" << QStringList{"s1", "s2", "s3"};
    QTest::newRow("letter case of the value kept") << R"(<a name="Top2">)" << QStringList{"Top2"};
    QTest::newRow("ids in comments don't count") << R"(<!-- <p id="gone"> -->)" << QStringList{};
}

void TestLinkCheck::readsAnchors()
{
    QFETCH(QString, page);
    QFETCH(QStringList, anchors);
    const QSet<QString> expected(anchors.cbegin(), anchors.cend());
    QCOMPARE(LinkTargetScanner::scan(page).anchors, expected);
}

void TestLinkCheck::targetOffsetsCountLineBreaksAsTwo()
{
    const QString page = QStringLiteral("<p>\r\n<a href=\"x.html\">\r\n<img src=y.gif>");
    const TextRanges targets = LinkTargetScanner::scan(page).targets;
    QCOMPARE(targets, (TextRanges{{14, 6}, {33, 5}}));
}

void TestLinkCheck::understandsTargets_data()
{
    using Kind = LinkTargetMeaning::Kind;
    QTest::addColumn<QString>("target");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("value");

    QTest::newRow("empty") << "" << Kind::Empty << "";
    QTest::newRow("100%.html: a % without hex digits is itself") << "100%.html" << Kind::File << "100%.html";
    QTest::newRow("a%%5c.html: only the escape decodes") << "a%%5c.html" << Kind::File << "a%\\.html";
    QTest::newRow("only blanks") << "  " << Kind::Empty << "";
    QTest::newRow("web address") << "http://example.com/a.html" << Kind::External << "";
    QTest::newRow("mail address") << "mailto:a@example.com" << Kind::External << "";
    QTest::newRow("drive letter") << "C:\\site\\a.html" << Kind::External << "";
    QTest::newRow("colon after the path") << "a.html?t=10:30" << Kind::External << "";
    QTest::newRow("protocol-relative host") << "//example.com/a.gif" << Kind::External << "";
    QTest::newRow("root-relative") << "/a.html" << Kind::RootRelative << "";
    QTest::newRow("lone #") << "#" << Kind::InPage << "";
    QTest::newRow("fragment only") << "#sec" << Kind::InPage << "sec";
    QTest::newRow("encoded fragment") << "#%E6%97%A5" << Kind::InPage << QStringLiteral("日");
    QTest::newRow("query only") << "?page=2" << Kind::SamePage << "";
    QTest::newRow("query and fragment stripped") << "a.html?q=1#s" << Kind::File << "a.html";
    QTest::newRow("fragment before a question mark") << "a.html#s?x" << Kind::File << "a.html";
    QTest::newRow("encoded blank") << "my%20page.html" << Kind::File << "my page.html";
    QTest::newRow("encoded Japanese name") << "%E6%97%A5%E6%9C%AC.html" << Kind::File << QStringLiteral("日本.html");
    QTest::newRow("backslash read as slash") << "img\\a.gif" << Kind::File << "img/a.gif";
    QTest::newRow("blanks around dropped") << " a.html\r\n" << Kind::File << "a.html";
    QTest::newRow("parent folder") << "../a.html" << Kind::File << "../a.html";
    QTest::newRow("A&amp;B&c&nbsp;.html: only these references decode") << "A&amp;B&c&nbsp;.html" << Kind::File << "A&B&c&nbsp;.html";
    QTest::newRow("&lt;&gt;&quot;&apos; decode") << "&lt;&gt;&quot;&apos;.gif" << Kind::File << "<>\"'.gif";
    QTest::newRow("a&#46;b&#x2E;html&#X2e: decimal and hex") << "a&#46;b&#x2E;html&#X2e" << Kind::File << "a.b.html.";
    QTest::newRow("&#37;41.html: references before %XX") << "&#37;41.html" << Kind::File << "A.html";
    QTest::newRow("&#35;s&amp;t: a referenced # starts a fragment") << "&#35;s&amp;t" << Kind::InPage << "s&t";
    QTest::newRow("javascript&#58;go(): a referenced colon is a scheme") << "javascript&#58;go()" << Kind::External << "";
}

void TestLinkCheck::understandsTargets()
{
    QFETCH(QString, target);
    QFETCH(LinkTargetMeaning::Kind, kind);
    QFETCH(QString, value);
    const LinkTargetMeaning meaning = LinkCheck::meaning(target);
    QCOMPARE(meaning.kind, kind);
    QCOMPARE(meaning.value, value);
}

void TestLinkCheck::findsBrokenLinks_data()
{
    QTest::addColumn<QString>("folder"); // under the site
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("broken");

    QTest::newRow("existing file") << "" << R"(<a href="a.html">)" << QStringList{};
    QTest::newRow("missing file") << "" << R"(<a href="gone.html">)" << QStringList{"gone.html"};
    QTest::newRow("missing file in lower-case single-quoted href") << "" << R"(<a href='gone.html'>)" << QStringList{"gone.html"};
    QTest::newRow("missing image") << "" << R"(<img SRC = nope.gif>)" << QStringList{"nope.gif"};
    QTest::newRow("img/a.gif in its folder") << "" << R"(<img src="img/a.gif">)" << QStringList{};
    QTest::newRow("img\\a.gif found too") << "" << R"(<img src="img\a.gif">)" << QStringList{};
    QTest::newRow("relative to the document's folder") << "sub" << R"(<a href="b.html"><a href="../a.html"><a href="a.html">)" << QStringList{"a.html"};
    QTest::newRow("query and fragment don't hide the file") << "" << R"(<a href="a.html?x=1#s">)" << QStringList{};
    QTest::newRow("encoded blank finds the file") << "" << R"(<a href="my%20page.html">)" << QStringList{};
    QTest::newRow("encoded Japanese finds the file") << "" << R"(<a href="%E6%97%A5%E6%9C%AC.html">)" << QStringList{};
    QTest::newRow("Japanese written plainly") << "" << QStringLiteral("<a href=\"日本.html\">") << QStringList{};
    QTest::newRow("a folder is there") << "" << R"(<a href="sub/">)" << QStringList{};
    QTest::newRow("fragment defined by id") << "" << R"(<a href="#s"><h2 id="s">)" << QStringList{};
    QTest::newRow("fragment defined by name, later") << "" << R"(<a href="#s">...<a name=s>)" << QStringList{};
    QTest::newRow("fragment nobody defines") << "" << R"(<a href="#nowhere">)" << QStringList{"#nowhere"};
    QTest::newRow("fragment letter case counts") << "" << R"(<a href="#S"><p id="s">)" << QStringList{"#S"};
    QTest::newRow("# and #top always lead somewhere") << "" << R"(<a href="#"><a href="#top"><a href="#TOP">)" << QStringList{};
    QTest::newRow("empty target") << "" << R"(<a href=""><img src=" ">)" << QStringList{};
    QTest::newRow("root-relative skipped") << "" << R"(<a href="/gone.html">)" << QStringList{};
    QTest::newRow("schemes and drives not examined") << "" << R"(<a href="http://x/gone.html"><a href="mailto:a@b"><img src="C:\gone.gif">)" << QStringList{};
    QTest::newRow("two broken, in page order") << "" << R"(<a href="x.html"><a href="a.html"><img src="y.gif">)" << QStringList{"x.html", "y.gif"};
    QTest::newRow("the same missing file twice, both marked") << "" << R"(<a href="x.html"><a href="x.html">)" << QStringList{"x.html", "x.html"};
    QTest::newRow("no links: nothing broken") << "" << "<p>text</p>" << QStringList{};
    QTest::newRow("A&amp;B.html opens A&B.html, c&amp;d.html is missing")
        << "" << R"(<a href="A&amp;B.html"><a href="c&amp;d.html">)" << QStringList{"c&amp;d.html"};
    QTest::newRow("fragment and id written with other references")
        << "" << R"(<a href="#R&amp;D"><h2 id="R&#38;D">)" << QStringList{};
}

void TestLinkCheck::findsBrokenLinks()
{
    QFETCH(QString, folder);
    QFETCH(QString, page);
    QFETCH(QStringList, broken);
    const LinkCheckResult result = LinkCheck::run(page, QDir(m_site.path()).filePath(folder));
    QCOMPARE(textsOf(page, result.broken), broken);
    QCOMPARE(result.count(), qsizetype(broken.size()));
}

void TestLinkCheck::checksAHugePage()
{
    // 10 MB, 20 000 links of which one in twenty is broken.
    QString page;
    const QString filler(480, u'x');
    for (int i = 0; i < 20000; ++i) {
        page += i % 20 == 0 ? QStringLiteral("<a href=\"gone%1.html\">").arg(i)
                            : QStringLiteral("<a href='a.html'>");
        page += filler + QStringLiteral("</a>\r\n");
    }
    QVERIFY(page.size() >= 10'000'000);
    const LinkCheckResult result = LinkCheck::run(page, m_site.path());
    QCOMPARE(result.count(), qsizetype(1000));
    QCOMPARE(result.examined, qsizetype(20000));
    QCOMPARE(page.mid(result.broken.last().start, result.broken.last().length), QStringLiteral("gone19980.html"));
}

void TestLinkCheck::adviceText_data()
{
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<QString>("text");

    const QString hint = QStringLiteral("個\u3000※ヒント：リンク切れの箇所を赤字の下線付き太字にしました");
    QTest::newRow("none") << qsizetype(0) << QStringLiteral("正常：リンク切れは見つかりませんでした。");
    QTest::newRow("two") << qsizetype(2) << QStringLiteral("注意：リンク切れの数：2") + hint;
    QTest::newRow("beyond 16 bits") << qsizetype(40000) << QStringLiteral("注意：リンク切れの数：40000") + hint;
}

void TestLinkCheck::adviceText()
{
    QFETCH(qsizetype, count);
    QFETCH(QString, text);
    QCOMPARE(LinkCheck::adviceText(count), text);
}

void TestLinkCheck::baseFolder()
{
    QCOMPARE(LinkCheck::baseFolderFor(QString()), QDir::currentPath());
    const QString page = m_site.filePath("sub/b.html");
    QCOMPARE(LinkCheck::baseFolderFor(page), m_site.filePath("sub"));
}

QTEST_MAIN(TestLinkCheck)
#include "tst_linkcheck.moc"
