#pragma once

#include <QString>
#include <QUrl>

// The addresses a previewed page's frames are shown under. Every frame
// document gets a host of its own, made up afresh for each load, so no two
// documents the page loads share an origin: a script can show another of the
// user's files in a frame, but never reach into it, as browsers keep each
// local file to itself. The path is the file's absolute path, so the frame's
// own relative links resolve beside it.
class PreviewFrameUrl
{
public:
    static inline const QString Scheme = QStringLiteral("tovalo-frame");

    // `localPath` (absolute) under a host never handed out before.
    static QUrl fresh(const QString &localPath);

    // The absolute local file a file: or frame address names, with "." and
    // ".." resolved; empty when it names none plainly (a file: address on
    // another machine, an encoded "/" or NUL, a path that isn't absolute).
    static QString localPath(const QUrl &url);
};
