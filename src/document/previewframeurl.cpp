#include "document/previewframeurl.h"

#include <QDir>
#include <QUuid>

QUrl PreviewFrameUrl::fresh(const QString &localPath)
{
    QUrl url = QUrl::fromLocalFile(localPath);
    url.setScheme(Scheme);
    // Random and never reused: a page can neither guess a host before its
    // frame takes it nor load a second document under one.
    url.setHost(QUuid::createUuid().toString(QUuid::Id128));
    return url;
}

QString PreviewFrameUrl::localPath(const QUrl &url)
{
    if (url.scheme() != Scheme && !(url.isLocalFile() && url.host().isEmpty()))
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
