#include "document/fileidentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

FileIdentity FileIdentity::fromStat(const struct stat &st)
{
    FileIdentity identity;
    identity.m_exists = true;
    identity.m_device = st.st_dev;
    identity.m_inode = st.st_ino;
    identity.m_size = st.st_size;
    identity.m_seconds = st.st_mtim.tv_sec;
    identity.m_nanoseconds = st.st_mtim.tv_nsec;
    return identity;
}

FileIdentity FileIdentity::of(const QString &path)
{
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return fromStat(st);
}

FileIdentity FileIdentity::ofDescriptor(int fd)
{
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0)
        return {};
    return fromStat(st);
}

bool FileIdentity::sameFile(const FileIdentity &other) const
{
    return m_exists && other.m_exists && m_device == other.m_device && m_inode == other.m_inode;
}

bool FileIdentity::operator==(const FileIdentity &other) const
{
    if (!m_exists || !other.m_exists)
        return m_exists == other.m_exists;
    return sameFile(other) && m_size == other.m_size && m_seconds == other.m_seconds
        && m_nanoseconds == other.m_nanoseconds;
}

bool FileIdentity::sameFile(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo first(a);
    const QFileInfo second(b);
    const QString realFirst = first.canonicalFilePath();
    const QString realSecond = second.canonicalFilePath();
    if (!realFirst.isEmpty() || !realSecond.isEmpty()) {
        if (realFirst == realSecond)
            return true;
    } else if (QDir::cleanPath(first.absoluteFilePath()) == QDir::cleanPath(second.absoluteFilePath())) {
        return true;
    }
    return of(a).sameFile(of(b));
}
