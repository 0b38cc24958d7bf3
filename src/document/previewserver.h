#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// The web server the preview is shown from, listening on the loopback
// interface alone, on a port the system picks. It serves only the files it
// handed out addresses for (PreviewAddress), each under its own host: a file
// the engine fetches from another host than the page's is then, by the
// engine's own rules, another site's, so the page's script can neither read
// its pixels, its style rules nor its script errors. GET and HEAD only; no
// folder listings; anything else gets a plain error.
class PreviewServer : public QObject
{
    Q_OBJECT

public:
    // The one server of the program, started on first use.
    static PreviewServer *instance();

    quint16 port() const { return m_server.serverPort(); }

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
    QTcpServer m_server;
    QHash<QString, Grant> m_grants; // by host
};
