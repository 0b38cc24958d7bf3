#include "document/previewrequestfilter.h"

#include "document/previewaddress.h"
#include "document/previewserver.h"

#include <QFileInfo>

PreviewBrowser::Verdict PreviewRequestFilter::decide(const PreviewBrowser::Request &request)
{
    using Resource = PreviewBrowser::Resource;
    PreviewBrowser::Verdict go;
    PreviewBrowser::Verdict refused;
    refused.refuse = true;
    PreviewServer *server = PreviewServer::instance();
    const QUrl &url = request.url;
    if (!url.isLocalFile() && !PreviewAddress::isServed(url, server->port()))
        return go;
    if (request.resource == Resource::Read)
        return refused;
    const bool media = request.resource == Resource::Media;
    const bool page = request.resource == Resource::Page
                      && url.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment) == m_page;
    if (page)
        return go;
    // Only the preview's own pages reach the user's files; a site the user
    // goes on to (or frames) doesn't, as no site reaches local files. The
    // engine's own loads, a reload or a step back, come from no page.
    const QUrl &from = request.initiator;
    const bool fromPreview = url.isLocalFile() || PreviewAddress::isServed(from, server->port())
                             || (request.resource == Resource::Page && from.isEmpty());
    if (!fromPreview)
        return refused;
    if (m_fresh.remove(url.host()) || (media && m_media.contains(url.host())))
        return go;
    const QString path = PreviewAddress::localPath(url);
    // A file that isn't there fails at once, as a file: address does,
    // instead of queueing for the server with the page's other loads.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return refused;
    QUrl target = media ? server->lasting(path) : server->once(path);
    target.setQuery(url.query(QUrl::FullyEncoded));
    (media ? m_media : m_fresh).insert(target.host());
    PreviewBrowser::Verdict moved;
    moved.redirect = target;
    return moved;
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
