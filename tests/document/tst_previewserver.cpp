#include "document/previewrequestfilter.h"
#include "document/previewserver.h"

#include "document/previewaddress.h"

#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

class TestPreviewServer : public QObject
{
    Q_OBJECT

private slots:
    void servesOnlyTheFileItHandedOut_data();
    void servesOnlyTheFileItHandedOut();
    void filterDecidesEachLoadOfThePage_data();
    void filterDecidesEachLoadOfThePage();
};

void TestPreviewServer::servesOnlyTheFileItHandedOut_data()
{
    // "@" stands for the host handed out for "dir/page.html"; each row asks twice.
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::newRow("the file, once") << QByteArray("GET /dir/page.html HTTP/1.1\r\nHost: @")
                                    << QByteArray("200 0123456789") << QByteArray("404 ");
    QTest::newRow("part of it") << QByteArray("GET /dir/page.html HTTP/1.1\r\nRange: bytes=2-4\r\nHost: @")
                                << QByteArray("206 234") << QByteArray("404 ");
    QTest::newRow("another file under its host") << QByteArray("GET /dir/other.html HTTP/1.1\r\nHost: @")
                                                 << QByteArray("404 ") << QByteArray("404 ");
    QTest::newRow("by way of ..") << QByteArray("GET /dir/x/%2e%2E/page.html HTTP/1.1\r\nHost: @")
                                  << QByteArray("200 0123456789") << QByteArray("404 ");
    QTest::newRow("no host") << QByteArray("GET /dir/page.html HTTP/1.1\r\nHost: localhost")
                             << QByteArray("404 ") << QByteArray("404 ");
    QTest::newRow("POST") << QByteArray("POST /dir/page.html HTTP/1.1\r\nHost: @") << QByteArray("405 ")
                          << QByteArray("200 0123456789");
}

void TestPreviewServer::servesOnlyTheFileItHandedOut()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("dir")));
    QFile file(dir.filePath(QStringLiteral("dir/page.html")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("0123456789") == 10);
    file.close();
    PreviewServer *server = PreviewServer::instance();
    const QUrl address = server->once(file.fileName());
    request.replace("/dir/", QFile::encodeName(dir.path()) + "/dir/");
    request.replace('@', address.authority().toLatin1());
    const auto ask = [&](const QByteArray &head) {
        // The server answers in this thread: the loop runs while it does.
        QTcpSocket socket;
        QByteArray reply;
        connect(&socket, &QTcpSocket::readyRead, [&] { reply += socket.readAll(); });
        QSignalSpy closed(&socket, &QTcpSocket::disconnected);
        socket.connectToHost(QHostAddress::LocalHost, server->port());
        socket.write(head + "\r\n\r\n");
        closed.wait(5000);
        return reply.mid(9, 4) + reply.mid(reply.indexOf("\r\n\r\n") + 4);
    };
    QCOMPARE(ask(request), first);
    QCOMPARE(ask(QByteArray(request).replace("POST", "GET")), second);
}

void TestPreviewServer::filterDecidesEachLoadOfThePage_data()
{
    // Addresses: "page" the preview's own, "style" a file beside it served
    // under a host of its own, "file:" that file's local address, "missing"
    // a file not there, "web" somewhere on the net; "" no page (the engine).
    QTest::addColumn<PreviewBrowser::Resource>("resource");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("verdict"); // go, refuse or move (then the moved load goes)
    using R = PreviewBrowser::Resource;
    QTest::newRow("the page itself") << R::Page << "page" << "" << "go";
    QTest::newRow("a style sheet it links") << R::Other << "style" << "page" << "move";
    QTest::newRow("a file: address it links") << R::Other << "file:" << "page" << "move";
    QTest::newRow("a sound, again and again") << R::Media << "style" << "page" << "move";
    QTest::newRow("XMLHttpRequest or fetch") << R::Read << "style" << "page" << "refuse";
    QTest::newRow("a file not there") << R::Other << "missing" << "page" << "refuse";
    QTest::newRow("a file asked for by a web site") << R::Other << "style" << "web" << "refuse";
    QTest::newRow("the net, from the page") << R::Other << "web" << "page" << "go";
}

void TestPreviewServer::filterDecidesEachLoadOfThePage()
{
    QFETCH(PreviewBrowser::Resource, resource);
    QFETCH(QString, url);
    QFETCH(QString, from);
    QFETCH(QString, verdict);
    QTemporaryDir dir;
    for (const char *name : {"page.html", "style.css"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    PreviewServer *server = PreviewServer::instance();
    const QUrl page = server->lasting(dir.filePath(QStringLiteral("page.html")));
    const QMap<QString, QUrl> addresses{
        {QStringLiteral("page"), page},
        {QStringLiteral("style"), server->lasting(dir.filePath(QStringLiteral("style.css")))},
        {QStringLiteral("file:"), QUrl::fromLocalFile(dir.filePath(QStringLiteral("style.css")))},
        {QStringLiteral("missing"), server->lasting(dir.filePath(QStringLiteral("gone.css")))},
        {QStringLiteral("web"), QUrl(QStringLiteral("https://example.com/a.css"))},
        {QString(), QUrl()}};
    PreviewRequestFilter filter;
    filter.setPage(page);
    PreviewBrowser::Request request{addresses.value(url), addresses.value(from), resource};
    const PreviewBrowser::Verdict first = filter.decide(request);
    QCOMPARE(first.refuse, verdict == QLatin1String("refuse"));
    QCOMPARE(!first.redirect.isEmpty(), verdict == QLatin1String("move"));
    if (verdict != QLatin1String("move"))
        return;
    // The moved load comes back through the filter: it goes, to a host that
    // serves only that file; sound and video come back for every part.
    QVERIFY(first.redirect.host() != request.url.host());
    QCOMPARE(PreviewAddress::localPath(first.redirect), dir.filePath(QStringLiteral("style.css")));
    request.url = first.redirect;
    for (int time = 0; time < (resource == PreviewBrowser::Resource::Media ? 3 : 1); ++time) {
        const PreviewBrowser::Verdict back = filter.decide(request);
        QVERIFY(!back.refuse && back.redirect.isEmpty());
    }
    filter.forget();
}

QTEST_GUILESS_MAIN(TestPreviewServer)
#include "tst_previewserver.moc"
