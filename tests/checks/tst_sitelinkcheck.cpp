#include "checks/sitelinkcheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(bytes);
}

} // namespace

// The whole-site check on a real site: pages in subfolders, Japanese and
// blank names, links to places in other pages.
class TestSiteLinkCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void findings_data();
    void findings();
    void cancelStopsTheRun();

private:
    QTemporaryDir m_site;
    QString path(const char *name) const { return m_site.filePath(QString::fromUtf8(name)); }
};

void TestSiteLinkCheck::initTestCase()
{
    QVERIFY(m_site.isValid());
    write(path("index.html"), "<p id=\"here\">\n"
                              "<a href=\"sub/ページ 一.html#ok\">ok</a> <a href=\"sub/ページ%20一.html#nai\">x</a>\n"
                              "<a href=\"missing.html\">x</a><a href=\"#here\"></a><a href=\"#gone\"></a>\n"
                              "<img src=\"pic.png#x\"><a href=\"http://example.com/a.html#z\"></a><a href=\"sub/ページ 一.html#top\"></a>\n"
                              "<a href=\"old.html#ok\"></a><a href=\"old.html#nai3\"></a><a href=\"#here-here\"></a>\n");
    // Sends the browser on, and the place with it.
    write(path("old.html"), "<meta http-equiv=\"refresh\" content=\"0;URL=sub/ページ%20一.html\">");
    write(path("sub/ページ 一.html"), "<h2 id=\"ok\"><a name=\"名前\"></a>\n"
                                      "<a href=\"../index.html#here\"></a><a href=\"../index.html#名前\"></a>\n");
    write(path("sub/deeper/c.HTM"), "<img src=\"../../nowhere.gif\">");
    write(path("pic.png"), "");
    // Neither a page nor in a shown folder: not checked.
    write(path("notes.txt"), "<a href=\"nai.html\">");
    write(path(".git/x.html"), "<a href=\"nai.html\">");
}

void TestSiteLinkCheck::findings_data()
{
    QTest::addColumn<QString>("openPage"); // empty: none open
    QTest::addColumn<QString>("openText");
    QTest::addColumn<QStringList>("expected"); // file:line:column target reason

    const QString file = SiteLinkCheck::missingFile();
    const QString place = SiteLinkCheck::missingPlace();
    const QString here = SiteLinkCheck::missingPlaceHere();
    const QStringList saved = {
        "index.html:2:45 sub/ページ%20一.html#nai " + place,
        "index.html:3:10 missing.html " + file,
        "index.html:3:58 #gone " + here,
        "index.html:5:36 old.html#nai3 " + place,
        "sub/deeper/c.HTM:1:11 ../../nowhere.gif " + file,
        "sub/ページ 一.html:2:43 ../index.html#名前 " + place,
    };
    QTest::newRow("saved pages") << QString() << QString() << saved;
    QTest::newRow("an open page's unsaved text wins")
        << "sub/ページ 一.html" << "<p id=\"ok\"><a href=\"../index.html#gone2\">"
        << saved.mid(0, 5) + QStringList{"sub/ページ 一.html:1:21 ../index.html#gone2 " + place};
    QTest::newRow("an unsaved id answers a link from elsewhere")
        << "sub/ページ 一.html" << "<p id=\"ok\"><p id=\"nai\">"
        << saved.mid(1, 4);
}

void TestSiteLinkCheck::findings()
{
    QFETCH(QString, openPage);
    QFETCH(QString, openText);
    QFETCH(QStringList, expected);
    QHash<QString, QString> texts;
    if (!openPage.isEmpty())
        texts.insert(m_site.filePath(openPage), openText);
    int pagesDone = 0;
    const QVector<SiteLinkCheck::Finding> found =
        SiteLinkCheck::run(m_site.path(), texts, [&](int done, int total) {
            QCOMPARE(total, 4);
            pagesDone = done;
        });
    QStringList pictures;
    for (const SiteLinkCheck::Finding &f : found)
        pictures << QStringLiteral("%1:%2:%3 %4 %5")
                        .arg(QDir(m_site.path()).relativeFilePath(f.file))
                        .arg(f.line)
                        .arg(f.column)
                        .arg(f.target, f.reason);
    QCOMPARE(pictures, expected);
    QCOMPARE(pagesDone, 4);
}

void TestSiteLinkCheck::cancelStopsTheRun()
{
    const std::atomic_bool cancel = true;
    QVERIFY(SiteLinkCheck::run(m_site.path(), {}, {}, &cancel).isEmpty());
}

QTEST_GUILESS_MAIN(TestSiteLinkCheck)
#include "tst_sitelinkcheck.moc"
