#pragma once

#include <QWebEngineUrlRequestInterceptor>

// What a previewed page may load. Its style sheets, images, scripts and
// frames load from the user's disk as they will from the site; but its
// scripts' own reads (XMLHttpRequest, fetch) of local files are refused, as
// browsers refuse them: a page the user only looks at must not read their
// other files.
class PreviewRequestFilter : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT

public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;
};
