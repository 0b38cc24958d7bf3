#pragma once

#include <QSet>
#include <QString>
#include <QWebEngineUrlRequestInterceptor>

// What a previewed page may load. Its style sheets, images, scripts and
// frames load from the user's disk as they will from the site; but its
// scripts read no other file of the user's, as browsers refuse it: a page the
// user only looks at must not read their other files.
//
// Their own reads (XMLHttpRequest, fetch) of local files are refused. Every
// document shown in a frame, object or embed is moved to an address of its
// own (PreviewFrameUrl), so it is another origin than its parent, its
// children and every other frame: a script can make a frame show a file but
// can't look into it.
class PreviewRequestFilter : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT

public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

private:
    // Hosts handed out whose load hasn't come back through here yet; each
    // lets exactly one document in.
    QSet<QString> m_fresh;
};
