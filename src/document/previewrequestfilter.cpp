#include "document/previewrequestfilter.h"

#include "document/previewaddress.h"
#include "document/previewserver.h"

#include <QFileInfo>

void PreviewRequestFilter::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    PreviewServer *server = PreviewServer::instance();
    const QUrl url = info.requestUrl();
    if (!url.isLocalFile() && !PreviewAddress::isServed(url, server->port()))
        return;
    const QWebEngineUrlRequestInfo::ResourceType type = info.resourceType();
    if (type == QWebEngineUrlRequestInfo::ResourceTypeXhr) {
        info.block(true);
        return;
    }
    const bool media = type == QWebEngineUrlRequestInfo::ResourceTypeMedia;
    const bool page = type == QWebEngineUrlRequestInfo::ResourceTypeMainFrame
                      && url.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment) == m_page;
    if (page)
        return;
    // Only the preview's own pages reach the user's files; a site the user
    // goes on to (or frames) doesn't, as no site reaches local files. The
    // engine's own loads, a reload or a step back, come from no page.
    const QUrl from = info.initiator();
    const bool fromPreview = url.isLocalFile() || PreviewAddress::isServed(from, server->port())
                             || (type == QWebEngineUrlRequestInfo::ResourceTypeMainFrame && from.isEmpty());
    if (!fromPreview) {
        info.block(true);
        return;
    }
    if (m_fresh.remove(url.host()) || (media && m_media.contains(url.host())))
        return;
    const QString path = PreviewAddress::localPath(url);
    // A file that isn't there fails at once, as a file: address does,
    // instead of queueing for the server with the page's other loads.
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        info.block(true);
        return;
    }
    QUrl target = media ? server->lasting(path) : server->once(path);
    target.setQuery(url.query(QUrl::FullyEncoded));
    (media ? m_media : m_fresh).insert(target.host());
    info.redirect(target);
}

void PreviewRequestFilter::forget()
{
    PreviewServer *server = PreviewServer::instance();
    for (const QSet<QString> *hosts : {&m_fresh, &m_media}) {
        for (const QString &host : *hosts)
            server->revoke(host);
    }
    m_fresh.clear();
    m_media.clear();
}
