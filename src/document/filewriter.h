#pragma once

#include <QByteArray>
#include <QString>

// Writes a file's bytes whole or not at all, keeping the file itself: its
// owner, group, mode, ACL and user.* attributes, its other hard links, and a
// symlink that leads to it.
//
// The usual way is a new file beside the old one, given the old one's
// identity, synced and renamed over it. Where a new file can't carry that
// identity (a second hard link, an owner or group this user can't give, a
// folder where no file can be made), the old file is written in place, with a
// copy of its old bytes kept beside it (or in the recovery folder) until the
// new bytes are on the disk.
class FileWriter
{
public:
    // An empty string on success, else a message for the user that names
    // the cause.
    static QString write(const QString &path, const QByteArray &bytes);

    // Where the copy of a file being written in place goes when its own
    // folder takes no new file.
    static QString recoveryFolder();
};
