#include "document/previewaddress.h"

#include <QDir>
#include <QUuid>

QUrl PreviewAddress::fresh(const QString &localPath, quint16 port)
{
    QUrl url = QUrl::fromLocalFile(localPath);
    url.setScheme(QStringLiteral("http"));
    // Random and never reused: a page can neither guess a host before the
    // engine asks for it nor load a second file under one. The engine takes
    // every "*.localhost" to the loopback interface by itself.
    url.setHost(QUuid::createUuid().toString(QUuid::Id128) + QStringLiteral(".localhost"));
    url.setPort(port);
    return url;
}

bool PreviewAddress::isServed(const QUrl &url, quint16 port)
{
    const QString host = url.host();
    return url.scheme() == QLatin1String("http") && url.port() == port
           && (host == QLatin1String("localhost") || host.endsWith(QLatin1String(".localhost")));
}

QString PreviewAddress::localPath(const QUrl &url)
{
    if (url.scheme() != QLatin1String("http") && !(url.isLocalFile() && url.host().isEmpty()))
        return {};
    // Decoded, "%2F" would turn one name into two folders: file: addresses
    // refuse it, and so does this.
    if (url.path(QUrl::FullyEncoded).contains(QLatin1String("%2f"), Qt::CaseInsensitive))
        return {};
    const QString path = QDir::cleanPath(url.path(QUrl::FullyDecoded));
    if (!path.startsWith(QLatin1Char('/')) || path.contains(QChar(u'\0')))
        return {};
    return path;
}
