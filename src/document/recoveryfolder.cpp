#include "document/recoveryfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Suffix = QStringLiteral(".recovery");

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The state folder is made as any program makes it; the two folders of our
// own are the user's alone from the start.
bool makeFolder(const QString &folder)
{
    const QString tovalo = QFileInfo(folder).absolutePath();
    if (!QDir().mkpath(QFileInfo(tovalo).absolutePath()))
        return false;
    for (const QString &own : {tovalo, folder}) {
        const QByteArray name = QFile::encodeName(own);
        if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return QFileInfo(folder).isDir();
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

QString RecoveryFolder::path()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // The base folder rules say a relative path is to be ignored.
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/tovalo/recovery");
}

QStringList RecoveryFolder::files(const QString &folder)
{
    QDir dir(folder);
    QStringList paths;
    for (const QString &name : dir.entryList({QLatin1Char('*') + Suffix}, QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

QString RecoveryFolder::newFileName()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces) + Suffix;
}

QString RecoveryFolder::write(const QString &folder, const QString &name, const QByteArray &bytes)
{
    if (!makeFolder(folder))
        return QStringLiteral("フォルダ %1 を作成できません（%2）").arg(folder, systemError());
    const QString target = folder + QLatin1Char('/') + name;
    const QByteArray temporary = QFile::encodeName(target + QStringLiteral(".tmp"));
    ::unlink(temporary.constData());
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return QStringLiteral("%1 に書き込めません（%2）").arg(folder, systemError());
    // On disk before the rename, so that a power cut leaves the old file or
    // the new one, never an empty one.
    const bool ok = writeAll(fd, bytes) && ::fdatasync(fd) == 0;
    const QString error = systemError();
    ::close(fd);
    if (!ok || ::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0) {
        const QString why = ok ? systemError() : error;
        ::unlink(temporary.constData());
        return QStringLiteral("%1 に書き込めません（%2）").arg(folder, why);
    }
    return QString();
}

void RecoveryFolder::remove(const QString &folder, const QString &name)
{
    QFile::remove(folder + QLatin1Char('/') + name);
}
