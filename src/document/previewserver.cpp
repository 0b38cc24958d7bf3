#include "document/previewserver.h"

#include "document/previewaddress.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>

namespace {

// A request head longer than this is no browser's: the connection goes.
constexpr qsizetype MaxHead = 16 * 1024;
constexpr qint64 Chunk = 64 * 1024;

} // namespace

PreviewServer *PreviewServer::instance()
{
    static QPointer<PreviewServer> server;
    if (!server)
        server = new PreviewServer(QCoreApplication::instance());
    return server;
}

PreviewServer::PreviewServer(QObject *parent)
    : QObject(parent)
    , m_worker(new QObject)
    , m_server(new QTcpServer(m_worker))
{
    // Loopback only: nothing on the network ever reaches the user's files.
    m_server->listen(QHostAddress::LocalHost, 0);
    m_port = m_server->serverPort();
    connect(m_server, &QTcpServer::newConnection, m_worker, [this] {
        while (QTcpSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, m_worker, [this, socket] { read(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            // The engine asks at once; a connection that keeps silent goes.
            QTimer::singleShot(10000, socket, [socket] {
                if (!socket->property("answered").toBool())
                    socket->abort();
            });
        }
    });
    m_worker->moveToThread(&m_thread);
    m_thread.start();
}

PreviewServer::~PreviewServer()
{
    m_thread.quit();
    m_thread.wait();
    delete m_worker;
}

QUrl PreviewServer::grant(const QString &localPath, bool once)
{
    const QUrl address = PreviewAddress::fresh(localPath, port());
    const QMutexLocker locked(&m_lock);
    m_grants.insert(address.host(), Grant{PreviewAddress::localPath(address), once});
    return address;
}

QUrl PreviewServer::once(const QString &localPath)
{
    return grant(localPath, true);
}

QUrl PreviewServer::lasting(const QString &localPath)
{
    return grant(localPath, false);
}

void PreviewServer::revoke(const QString &host)
{
    const QMutexLocker locked(&m_lock);
    m_grants.remove(host);
}

void PreviewServer::read(QTcpSocket *socket)
{
    if (socket->property("answered").toBool())
        return;
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    const qsizetype end = head.indexOf("\r\n\r\n");
    if (end < 0 && head.size() <= MaxHead) {
        socket->setProperty("head", head);
        return;
    }
    socket->setProperty("answered", true);
    socket->setProperty("head", QVariant());
    if (end < 0 || end > MaxHead)
        refuse(socket, "400 Bad Request");
    else
        answer(socket, head.left(end));
}

void PreviewServer::refuse(QTcpSocket *socket, const QByteArray &status)
{
    socket->write("HTTP/1.1 " + status + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    socket->disconnectFromHost();
}

void PreviewServer::answer(QTcpSocket *socket, const QByteArray &head)
{
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> request = lines.first().trimmed().split(' ');
    if (request.size() != 3 || !request.at(1).startsWith('/'))
        return refuse(socket, "400 Bad Request");
    const bool get = request.at(0) == "GET";
    if (!get && request.at(0) != "HEAD")
        return refuse(socket, "405 Method Not Allowed");
    QByteArray host;
    QByteArray range;
    for (const QByteArray &line : lines) {
        const QByteArray lower = line.toLower();
        if (lower.startsWith("host:"))
            host = lower.mid(5).trimmed();
        else if (lower.startsWith("range:"))
            range = lower.mid(6).trimmed();
    }
    const QUrl url(QStringLiteral("http://") + QString::fromLatin1(host) + QString::fromLatin1(request.at(1)),
                   QUrl::StrictMode);
    QString path;
    {
        const QMutexLocker locked(&m_lock);
        const auto grant = m_grants.constFind(url.host());
        if (url.isValid() && grant != m_grants.cend() && PreviewAddress::isServed(url, port())
            && PreviewAddress::localPath(url) == grant->path) {
            path = grant->path;
            if (grant->once)
                m_grants.erase(grant);
        }
    }
    if (path.isEmpty())
        return refuse(socket, "404 Not Found");
    // The file goes with the connection.
    auto *file = new QFile(path, socket);
    if (!QFileInfo(path).isFile() || !file->open(QIODevice::ReadOnly))
        return refuse(socket, "404 Not Found");

    // Sound and video ask for the part they play from.
    const qint64 size = file->size();
    qint64 first = 0;
    qint64 last = size - 1;
    QByteArray reply = "HTTP/1.1 200 OK\r\n";
    const QList<QByteArray> ends = range.startsWith("bytes=") ? range.mid(6).split('-') : QList<QByteArray>();
    bool firstOk = false;
    bool lastOk = true;
    const qint64 from = ends.value(0).toLongLong(&firstOk);
    const qint64 to = ends.value(1).isEmpty() ? last : ends.value(1).toLongLong(&lastOk);
    // A range asked for in another form than "from-[to]" gets the whole file.
    if (ends.size() == 2 && firstOk && lastOk && from >= 0 && to >= from) {
        if (from >= size)
            return refuse(socket, "416 Range Not Satisfiable\r\nContent-Range: bytes */" + QByteArray::number(size));
        first = from;
        last = std::min(to, last);
        reply = "HTTP/1.1 206 Partial Content\r\nContent-Range: bytes " + QByteArray::number(first) + '-'
                + QByteArray::number(last) + '/' + QByteArray::number(size) + "\r\n";
    }
    reply += "Content-Length: " + QByteArray::number(last - first + 1)
             + "\r\nAccept-Ranges: bytes\r\nCache-Control: no-store\r\nConnection: close\r\n";
    // As for a local file, the browser guesses what it can't be told.
    const QString type = QMimeDatabase().mimeTypeForFile(path).name();
    if (type != QLatin1String("application/octet-stream"))
        reply += "Content-Type: " + type.toLatin1() + "\r\n";
    socket->write(reply + "\r\n");
    if (!get) {
        socket->disconnectFromHost();
        return;
    }
    // Sent a piece at a time, so a large file never sits whole in memory.
    file->seek(first);
    const auto more = [socket, file, end = last + 1] {
        if (socket->bytesToWrite() >= Chunk)
            return;
        const QByteArray piece = file->read(std::min(Chunk, end - file->pos()));
        if (piece.isEmpty())
            socket->disconnectFromHost();
        else
            socket->write(piece);
    };
    connect(socket, &QTcpSocket::bytesWritten, socket, more);
    more();
}
