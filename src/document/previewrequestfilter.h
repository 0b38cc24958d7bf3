#pragma once

#include "document/previewbrowser.h"

#include <QSet>
#include <QString>
#include <QUrl>

// What a previewed page may load. Its style sheets, images, scripts and
// frames load from the user's disk as they will from the site; but its
// scripts read no other file of the user's, as browsers refuse it: a page the
// user only looks at must not read their other files.
//
// Their own reads (XMLHttpRequest, fetch) of the user's files are refused.
// Everything else the page loads from the disk is sent to an address of its
// own (PreviewServer), another origin than the page, its frames and all else
// it loads: the engine then lets the page show it, but not look into it.
class PreviewRequestFilter
{
public:
    // The address the preview itself is loaded from: the one address that
    // may come in as it is, and only as the page in the view.
    void setPage(const QUrl &address) { m_page = address; }

    // Takes back every address handed out for the page shown so far.
    void forget();

    PreviewBrowser::Verdict decide(const PreviewBrowser::Request &request);

private:
    QUrl m_page;
    // Hosts handed out whose load hasn't come back through here yet; each
    // lets exactly one load in.
    QSet<QString> m_fresh;
    // Hosts handed out to sound and video, which come back for each part
    // they play; each still serves its one file alone.
    QSet<QString> m_media;
};
