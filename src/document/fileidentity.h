#pragma once

#include <QString>

#include <sys/types.h>

struct stat;

// What a file on disk is at one moment: which file (device and inode) and
// which state of it (size and modification time to the nanosecond). Two
// looks that give the same identity saw the same bytes, as far as anything
// short of reading them can tell.
class FileIdentity
{
public:
    // The file a path names, symlinks followed; one that does not exist
    // (deleted, never saved) has no identity.
    static FileIdentity of(const QString &path);
    static FileIdentity ofDescriptor(int fd);

    bool exists() const { return m_exists; }
    // The same file, whatever happened to its contents.
    bool sameFile(const FileIdentity &other) const;
    bool operator==(const FileIdentity &other) const;
    bool operator!=(const FileIdentity &other) const { return !(*this == other); }

    // Whether two paths name one file: the same real path once symlinks are
    // resolved, or the same device and inode (a second hard link).
    static bool sameFile(const QString &a, const QString &b);

private:
    static FileIdentity fromStat(const struct stat &st);

    bool m_exists = false;
    dev_t m_device = 0;
    ino_t m_inode = 0;
    qint64 m_size = 0;
    qint64 m_seconds = 0;
    qint64 m_nanoseconds = 0;
};
