#include "document/previewrequestfilter.h"

#include "document/previewframeurl.h"

void PreviewRequestFilter::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const QUrl url = info.requestUrl();
    const bool framed = url.scheme() == PreviewFrameUrl::Scheme;
    if (!framed && !url.isLocalFile())
        return;
    const QWebEngineUrlRequestInfo::ResourceType type = info.resourceType();
    if (type == QWebEngineUrlRequestInfo::ResourceTypeXhr) {
        info.block(true);
        return;
    }
    // The preview itself and the pages the user follows it to stay file:
    // addresses; everything else that makes a document gets a fresh origin.
    const bool document = type == QWebEngineUrlRequestInfo::ResourceTypeSubFrame
                          || type == QWebEngineUrlRequestInfo::ResourceTypeObject
                          || (framed && type == QWebEngineUrlRequestInfo::ResourceTypeMainFrame);
    if (!document || (framed && m_fresh.remove(url.host())))
        return;
    const QString path = PreviewFrameUrl::localPath(url);
    if (path.isEmpty()) {
        info.block(true);
        return;
    }
    QUrl target = PreviewFrameUrl::fresh(path);
    target.setQuery(url.query(QUrl::FullyEncoded));
    m_fresh.insert(target.host());
    info.redirect(target);
}
