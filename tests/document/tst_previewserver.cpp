#include "document/previewserver.h"

#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

class TestPreviewServer : public QObject
{
    Q_OBJECT

private slots:
    void servesOnlyTheFileItHandedOut_data();
    void servesOnlyTheFileItHandedOut();
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

QTEST_GUILESS_MAIN(TestPreviewServer)
#include "tst_previewserver.moc"
