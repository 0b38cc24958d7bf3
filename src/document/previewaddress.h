#pragma once

#include <QString>
#include <QUrl>

// The addresses a previewed page and everything it loads are shown under:
// http://<host>.localhost:<port>/<absolute path>, served by the editor itself
// on the loopback interface. Every host is made up afresh and names one file,
// so no two things the page loads share an origin: the engine then keeps each
// of the user's files to itself, as browsers keep local files, and a page's
// script can show another file but never read it. The path is the file's
// absolute path, so relative links resolve beside it.
class PreviewAddress
{
public:
    // `localPath` (absolute) under a host never handed out before.
    static QUrl fresh(const QString &localPath, quint16 port);

    // Whether `url` leads to the preview's server on `port`.
    static bool isServed(const QUrl &url, quint16 port);

    // The absolute local file a file: or served address names, with "." and
    // ".." resolved; empty when it names none plainly (a file: address on
    // another machine, an encoded "/" or NUL, a path that isn't absolute).
    static QString localPath(const QUrl &url);
};
