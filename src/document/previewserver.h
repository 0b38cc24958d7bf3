#pragma once

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

// The web server the preview is shown from, listening on the loopback
// interface alone, on a port the system picks. It serves only the files it
// handed out addresses for (PreviewAddress), each under its own host: a file
// the engine fetches from another host than the page's is then, by the
// engine's own rules, another site's, so the page's script can neither read
// its pixels, its style rules nor its script errors. GET and HEAD only; no
// folder listings; anything else gets a plain error. It answers on a thread
// of its own: a page loads its files a few at a time, and each waits for
// the answer before the next goes out, so a busy window must not delay them.
class PreviewServer : public QObject
{
    Q_OBJECT

public:
    // The one server of the program, started on first use.
    static PreviewServer *instance();

    ~PreviewServer() override;

    quint16 port() const { return m_port; }

    // An address that serves `localPath` once: for whatever a page loads.
    QUrl once(const QString &localPath);
    // An address that serves `localPath` until revoked: for the page itself,
    // loaded again under the same address while it is edited.
    QUrl lasting(const QString &localPath);
    void revoke(const QString &host);

private:
    explicit PreviewServer(QObject *parent);
    QUrl grant(const QString &localPath, bool once);
    void read(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const QByteArray &head);
    void refuse(QTcpSocket *socket, const QByteArray &status);

    struct Grant {
        QString path;
        bool once = true;
    };
    QThread m_thread;
    // Lives on m_thread with the listening socket and every connection.
    QObject *m_worker;
    QTcpServer *m_server;
    quint16 m_port = 0;
    QMutex m_lock; // over m_grants, which both threads use
    QHash<QString, Grant> m_grants; // by host
};
