#include "document/previewrequestfilter.h"

#include "document/previewaddress.h"
#include "document/previewserver.h"

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
    const bool page = type == QWebEngineUrlRequestInfo::ResourceTypeMainFrame
                      && url.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment) == m_page;
    if (page || m_fresh.remove(url.host()))
        return;
    const QString path = PreviewAddress::localPath(url);
    if (path.isEmpty()) {
        info.block(true);
        return;
    }
    QUrl target = server->once(path);
    target.setQuery(url.query(QUrl::FullyEncoded));
    m_fresh.insert(target.host());
    info.redirect(target);
}
