#pragma once

#include <QWebEngineUrlSchemeHandler>

class QWebEngineProfile;

// Serves the preview's frame addresses (PreviewFrameUrl) from the user's
// disk: the frame documents and the style sheets, images and scripts they
// link, exactly as file: addresses would.
class PreviewFrameHandler : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT

public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    // Once per profile; later calls find it there.
    static void installOn(QWebEngineProfile *profile);

    void requestStarted(QWebEngineUrlRequestJob *job) override;
};
