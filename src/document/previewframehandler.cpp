#include "document/previewframehandler.h"

#include "document/previewframeurl.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace {

// The browser engine learns its schemes before it starts: this runs as the
// application object is made, in every program that can show a preview.
void registerFrameScheme()
{
    QWebEngineUrlScheme scheme(PreviewFrameUrl::Scheme.toLatin1());
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    // Local, as file: is: only pages from the disk may load it, never a site.
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme);
    QWebEngineUrlScheme::registerScheme(scheme);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(registerFrameScheme)

void PreviewFrameHandler::installOn(QWebEngineProfile *profile)
{
    const QByteArray scheme = PreviewFrameUrl::Scheme.toLatin1();
    if (!profile->urlSchemeHandler(scheme))
        profile->installUrlSchemeHandler(scheme, new PreviewFrameHandler(profile));
}

void PreviewFrameHandler::requestStarted(QWebEngineUrlRequestJob *job)
{
    const QString path = PreviewFrameUrl::localPath(job->requestUrl());
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    // The job owns the file and closes it when the browser is done.
    auto *file = new QFile(path, job);
    if (!file->open(QIODevice::ReadOnly)) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    job->reply(QMimeDatabase().mimeTypeForFile(path).name().toLatin1(), file);
}
