#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Where the recovery files live: $XDG_STATE_HOME/tovalo/recovery (by default
// ~/.local/state/tovalo/recovery), readable by the user alone. They hold
// unsaved text, which may be anything the user typed.
class RecoveryFolder
{
public:
    static QString path();
    // The recovery files in `folder`, oldest name first.
    static QStringList files(const QString &folder);
    // A name no other recovery file has.
    static QString newFileName();

    // Writes `bytes` as `folder`/`name` whole or not at all (a temporary
    // file renamed over it), mode 0600, making the folder (0700) when needed.
    // Returns an empty text or what went wrong, for the user.
    static QString write(const QString &folder, const QString &name, const QByteArray &bytes);
    static void remove(const QString &folder, const QString &name);
};
