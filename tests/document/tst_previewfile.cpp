#include "document/previewfile.h"
#include "document/previewaddress.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TextFileFormat)

namespace {

const QString Nihongo = QStringLiteral("日本語");

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QStringList previewsIn(const QString &folder)
{
    QStringList previews;
    for (const QString &name : filesIn(folder)) {
        if (name.startsWith(QStringLiteral(".tovalo-preview-")))
            previews << name;
    }
    return previews;
}

TextFileFormat utf8WithMark()
{
    TextFileFormat format;
    format.encoding = TextEncoding::Utf8;
    format.hasBom = true;
    return format;
}

} // namespace

// The preview's file: where it goes, what it holds, and that it never touches
// a file of the user's.
class TestPreviewFile : public QObject
{
    Q_OBJECT

private slots:
    void writesBesideTheDocumentLikeASave_data();
    void writesBesideTheDocumentLikeASave();
    void leavesTheUsersTmpFileAlone();
    void untitledPreviewsFromTheTemporaryFolder();
    void vanishedFolderFallsBackToTemporary();
    void readOnlyFolderFallsBackToTemporary();
    void twoWindowsInOneFolderDontClash();
    void secondWriteNeverFollowsALinkPutInItsPlace();
    void followsTheDocumentToItsNewFolder();
    void unencodableCharacterLeavesNoFile();
    void goesWithItsOwner();
    void baseLeadsRelativeLinksHome_data();
    void baseLeadsRelativeLinksHome();
    void addressNamesOnlyPlainLocalFiles_data();
    void addressNamesOnlyPlainLocalFiles();
};

void TestPreviewFile::writesBesideTheDocumentLikeASave_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextFileFormat>("format");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("new document: Shift-JIS, CR LF") << Nihongo + "\n" << TextFileFormat()
                                                    << QByteArray::fromHex("93fa967b8cea0d0a");
    QTest::newRow("UTF-8 file keeps its mark") << Nihongo << utf8WithMark()
                                               << QByteArray::fromHex("efbbbfe697a5e69cace8aa9e");
    const QString euc = QStringLiteral("<meta charset=\"euc-jp\">") + Nihongo;
    QTest::newRow("page declaring euc-jp") << euc << TextFileFormat()
                                           << QByteArray("<meta charset=\"euc-jp\">") + QByteArray::fromHex("c6fccbdcb8ec");
}

void TestPreviewFile::writesBesideTheDocumentLikeASave()
{
    QFETCH(QString, text);
    QFETCH(TextFileFormat, format);
    QFETCH(QByteArray, bytes);
    QTemporaryDir site;
    QVERIFY(site.isValid());
    const QString page = site.filePath("page.html");
    writeBytes(page, "saved");

    PreviewFile preview;
    const PreviewFile::Result result = preview.write(text, page, format);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(QFileInfo(result.path).absolutePath(), QFileInfo(site.path()).absoluteFilePath());
    QCOMPARE(result.baseFolder, QFileInfo(site.path()).absoluteFilePath());
    QVERIFY(!result.outsideBaseFolder);
    QCOMPARE(contents(result.path), bytes);
    QCOMPARE(contents(page), QByteArray("saved"));
}

void TestPreviewFile::leavesTheUsersTmpFileAlone()
{
    QTemporaryDir site;
    QVERIFY(site.isValid());
    const QString own = site.filePath("tmp_.html");
    const QByteArray ownBytes = QByteArray::fromHex("93fa967b8cea") + "\r\n<p>mine</p>";
    writeBytes(own, ownBytes);
    const QString page = site.filePath("page.html");
    writeBytes(page, "<p>page</p>");
    const QStringList before = filesIn(site.path());

    {
        PreviewFile preview;
        const PreviewFile::Result first = preview.write(QStringLiteral("<p>one</p>"), page, {});
        QVERIFY(first.ok);
        QVERIFY(QFileInfo(first.path).fileName() != QStringLiteral("tmp_.html"));
        const PreviewFile::Result second = preview.write(QStringLiteral("<p>two</p>"), page, {});
        QVERIFY(second.ok);
        QCOMPARE(second.path, first.path);
        QCOMPARE(contents(second.path), QByteArray("<p>two</p>"));
        QCOMPARE(contents(own), ownBytes);
        preview.remove();
        QVERIFY(!QFile::exists(first.path));
        QVERIFY(preview.path().isEmpty());
        preview.remove(); // leaving the preview twice is harmless
        QVERIFY(preview.write(QStringLiteral("<p>three</p>"), page, {}).ok);
    } // the window closes

    QCOMPARE(contents(own), ownBytes);
    QCOMPARE(contents(page), QByteArray("<p>page</p>"));
    QCOMPARE(filesIn(site.path()), before);
}

void TestPreviewFile::untitledPreviewsFromTheTemporaryFolder()
{
    PreviewFile preview;
    const PreviewFile::Result result = preview.write(QStringLiteral("<p>x</p>"), QString(), {});
    QVERIFY2(result.ok, qPrintable(result.error));
    const QString temp = QFileInfo(QDir::tempPath()).absoluteFilePath();
    QCOMPARE(QFileInfo(result.path).absolutePath(), temp);
    QCOMPARE(result.baseFolder, temp);
    QVERIFY(!result.outsideBaseFolder);
    preview.remove();
    QVERIFY(!QFile::exists(result.path));
}

void TestPreviewFile::vanishedFolderFallsBackToTemporary()
{
    QTemporaryDir site;
    QVERIFY(site.isValid());
    const QString folder = site.filePath("gone");
    PreviewFile preview;
    const PreviewFile::Result result =
        preview.write(QStringLiteral("<img src=\"a.gif\">"), folder + "/page.html", {});
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(QFileInfo(result.path).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
    QCOMPARE(result.baseFolder, folder);
    QVERIFY(result.outsideBaseFolder);
    QCOMPARE(contents(result.path), QByteArray("<img src=\"a.gif\">"));
}

void TestPreviewFile::readOnlyFolderFallsBackToTemporary()
{
    QTemporaryDir site;
    QVERIFY(site.isValid());
    const QString own = site.filePath("tmp_.html");
    writeBytes(own, "mine");
    QFile::setPermissions(site.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(site.filePath("probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(site.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QSKIP("This user writes into read-only folders (root); the vanished-folder case covers the fallback.");
    }

    PreviewFile preview;
    const PreviewFile::Result result = preview.write(QStringLiteral("<p>x</p>"), site.filePath("page.html"), {});
    QFile::setPermissions(site.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(QFileInfo(result.path).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
    QCOMPARE(result.baseFolder, QFileInfo(site.path()).absoluteFilePath());
    QVERIFY(result.outsideBaseFolder);
    QCOMPARE(contents(own), QByteArray("mine"));
}

void TestPreviewFile::twoWindowsInOneFolderDontClash()
{
    QTemporaryDir site;
    QVERIFY(site.isValid());
    PreviewFile first;
    PreviewFile second;
    const PreviewFile::Result a = first.write(QStringLiteral("A"), site.filePath("a.html"), {});
    const PreviewFile::Result b = second.write(QStringLiteral("B"), site.filePath("b.html"), {});
    QVERIFY(a.ok && b.ok);
    QVERIFY(a.path != b.path);
    first.remove();
    QCOMPARE(contents(b.path), QByteArray("B"));
    QCOMPARE(previewsIn(site.path()).size(), 1);
}

void TestPreviewFile::secondWriteNeverFollowsALinkPutInItsPlace()
{
    QTemporaryDir site;
    QTemporaryDir elsewhere;
    QVERIFY(site.isValid() && elsewhere.isValid());
    const QString victim = elsewhere.filePath("victim.html");
    writeBytes(victim, "victim");
    PreviewFile preview;
    const QString first = preview.write(QStringLiteral("one"), site.filePath("p.html"), {}).path;
    QVERIFY(QFile::remove(first));
    QVERIFY(QFile::link(victim, first));

    const PreviewFile::Result second = preview.write(QStringLiteral("two"), site.filePath("p.html"), {});
    QVERIFY(second.ok);
    QCOMPARE(contents(victim), QByteArray("victim"));
    QCOMPARE(contents(second.path), QByteArray("two"));
    preview.remove();
    QCOMPARE(QFileInfo(first).symLinkTarget(), victim); // not ours: left standing
    QCOMPARE(contents(victim), QByteArray("victim"));
}

void TestPreviewFile::followsTheDocumentToItsNewFolder()
{
    QTemporaryDir site;
    QVERIFY(site.isValid());
    QVERIFY(QDir(site.path()).mkpath("old"));
    QVERIFY(QDir(site.path()).mkpath("new"));
    PreviewFile preview;
    QVERIFY(preview.write(QStringLiteral("x"), site.filePath("old/p.html"), {}).ok);
    const PreviewFile::Result moved = preview.write(QStringLiteral("y"), site.filePath("new/p.html"), {});
    QVERIFY(moved.ok);
    QCOMPARE(previewsIn(site.filePath("old")), QStringList());
    QCOMPARE(previewsIn(site.filePath("new")).size(), 1);
    QCOMPARE(moved.baseFolder, site.filePath("new"));
}

void TestPreviewFile::unencodableCharacterLeavesNoFile()
{
    QTemporaryDir site;
    QVERIFY(site.isValid());
    const QString tempBefore = previewsIn(QDir::tempPath()).join(u',');
    PreviewFile preview;
    const QString text = QStringLiteral("ab\U0001F600");
    const PreviewFile::Result result = preview.write(text, site.filePath("p.html"), {});
    QVERIFY(!result.ok);
    QCOMPARE(result.unencodablePosition, qsizetype(2));
    // Why the preview can't be shown; no word of saving, which nobody asked for.
    QVERIFY2(result.error.startsWith(QStringLiteral("プレビューを表示できません。")), qPrintable(result.error));
    QVERIFY2(result.error.contains(QStringLiteral("「\U0001F600」（1行目）")), qPrintable(result.error));
    QVERIFY2(!result.error.contains(QStringLiteral("保存")), qPrintable(result.error));
    QCOMPARE(filesIn(site.path()), QStringList());
    QCOMPARE(previewsIn(QDir::tempPath()).join(u','), tempBefore);
}

void TestPreviewFile::goesWithItsOwner()
{
    QTemporaryDir site;
    QVERIFY(site.isValid());
    QString path;
    {
        PreviewFile preview;
        path = preview.write(QStringLiteral("x"), site.filePath("p.html"), {}).path;
        QVERIFY(QFile::exists(path));
    }
    QVERIFY(!QFile::exists(path));
}

void TestPreviewFile::addressNamesOnlyPlainLocalFiles_data()
{
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<QString>("path");
    const QString path = QStringLiteral("/site/") + Nihongo + QStringLiteral(" 1/p.html");
    QTest::newRow("a fresh address keeps the path") << PreviewAddress::fresh(path, 8080) << path;
    const QString frame = QStringLiteral("http://h.localhost:8080/site/");
    QTest::newRow("encoded dots resolved") << QUrl(frame + QStringLiteral("css/%2e%2E/p.html"))
                                           << QStringLiteral("/site/p.html");
    QTest::newRow("encoded slash refused") << QUrl(frame + QStringLiteral("%2F..%2fetc/p")) << QString();
    QTest::newRow("encoded NUL refused") << QUrl(frame + QStringLiteral("p.html%00.css")) << QString();
    QTest::newRow("file: on another machine refused") << QUrl(QStringLiteral("file://server/p.html")) << QString();
}

void TestPreviewFile::addressNamesOnlyPlainLocalFiles()
{
    QFETCH(QUrl, url);
    QFETCH(QString, path);
    QCOMPARE(PreviewAddress::localPath(url), path);
    QVERIFY(PreviewAddress::fresh(path, 8080).host() != PreviewAddress::fresh(path, 8080).host());
}

QTEST_MAIN(TestPreviewFile)
void TestPreviewFile::baseLeadsRelativeLinksHome_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // "@" stands for the base tag

    QTest::newRow("right after <head>") << "<html><head><title>t</title></head>"
                                        << "<html><head>@<title>t</title></head>";
    QTest::newRow("<HEAD> with attributes, any case") << "<HTML><HEAD lang=ja>\n<BODY>"
                                                      << "<HTML><HEAD lang=ja>@\n<BODY>";
    QTest::newRow("<header> is no head: in front") << "<header>x</header>" << "@<header>x</header>";
    QTest::newRow("no head at all: in front") << "<p>x" << "@<p>x";
    QTest::newRow("empty page") << "" << "@";
    QTest::newRow("page's own base is kept") << "<head><BASE href=\"http://x/\">" << "<head><BASE href=\"http://x/\">";
    QTest::newRow("<basefont> is no base") << "<head><basefont size=3>" << "<head>@<basefont size=3>";
}

void TestPreviewFile::baseLeadsRelativeLinksHome()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const QString folder = QStringLiteral("/srv/my site/日本");
    const QString tag = QStringLiteral("<base href=\"file:///srv/my%20site/%E6%97%A5%E6%9C%AC/\">");
    QCOMPARE(PreviewFile::withBaseFolder(text, QUrl::fromLocalFile(folder)), QString(expected).replace(QLatin1Char('@'), tag));
}

#include "tst_previewfile.moc"
