#include "document/filewriter.h"

#include "document/recoveryfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

const QByteArray AclName("system.posix_acl_access");

QByteArray local(const QString &path)
{
    return QFile::encodeName(path);
}

// The reason a call failed, in words the user can act on.
QString causeOf(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("ディスクの空き容量が足りません");
    case EDQUOT:
        return QStringLiteral("ディスクの使用量の上限に達しています");
    case EFBIG:
        return QStringLiteral("ファイルサイズの上限を超えます");
    case EACCES:
    case EPERM:
        return QStringLiteral("書き込む権限がありません");
    case EROFS:
        return QStringLiteral("読み取り専用のファイルシステムです");
    case EIO:
        return QStringLiteral("ディスクの読み書きでエラーが起きました");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString failed(const QString &path, int error)
{
    return QStringLiteral("ファイル「%1」を保存できませんでした（%2）。元のファイルは変更されていません。")
        .arg(path, causeOf(error));
}

class Descriptor
{
public:
    explicit Descriptor(int fd = -1)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    // The error of the close, which on some file systems is where a failed
    // write is reported first.
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

// 0 or the errno of the first failure.
int writeAll(int fd, const char *data, qint64 size, off_t offset)
{
    while (size > 0) {
        const ssize_t done = ::pwrite(fd, data, size_t(qMin<qint64>(size, 1 << 30)), offset);
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += done;
        size -= done;
        offset += done;
    }
    return 0;
}

int writeAndSync(int fd, const QByteArray &bytes)
{
    if (const int error = writeAll(fd, bytes.constData(), bytes.size(), 0))
        return error;
    if (::ftruncate(fd, bytes.size()) != 0 || ::fsync(fd) != 0)
        return errno;
    return 0;
}

// Enough of a file's name to tell whose a temporary file or copy is, short
// enough that the longest name still leaves room for the rest.
QString shortName(const QFileInfo &info)
{
    return info.fileName().left(40);
}

// A new file named after `base` that did not exist before, opened for
// writing; -1 with errno set when none can be made.
int createUnique(const QString &base, QString *made, mode_t mode)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        *made = base + QString::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(local(*made).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Gives the new file the old one's owner, group, mode, ACL and user.*
// attributes; false when any of them can't be given.
bool takeIdentity(int fd, const QString &original, const struct stat &old)
{
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        return false;
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) && ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return false;
    if (::fchmod(fd, old.st_mode & 07777) != 0)
        return false;
    const QByteArray from = local(original);
    const ssize_t listSize = ::listxattr(from.constData(), nullptr, 0);
    if (listSize < 0)
        return errno == ENOTSUP;
    QByteArray names(listSize, '\0');
    const ssize_t listed = ::listxattr(from.constData(), names.data(), size_t(names.size()));
    if (listed < 0)
        return false;
    for (const QByteArray &name : names.left(listed).split('\0')) {
        // The ACL after the mode, which it refines.
        if (!name.startsWith("user.") && name != AclName)
            continue;
        const ssize_t valueSize = ::getxattr(from.constData(), name.constData(), nullptr, 0);
        if (valueSize < 0)
            return false;
        QByteArray value(valueSize, '\0');
        const ssize_t got = ::getxattr(from.constData(), name.constData(), value.data(), size_t(value.size()));
        if (got < 0 || ::fsetxattr(fd, name.constData(), value.constData(), size_t(got), 0) != 0)
            return false;
    }
    return true;
}

void syncFolder(const QString &folder)
{
    const int fd = ::open(local(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

enum class Replaced { Done, Failed, NotPossible };

// The new file beside the old one, renamed over it. NotPossible: the old
// file's identity can't be kept this way, and nothing was changed.
Replaced replace(const QString &target, const QByteArray &bytes, const struct stat *old, QString *error)
{
    const QFileInfo info(target);
    QString temporary;
    Descriptor fd(createUnique(info.absolutePath() + QStringLiteral("/.") + shortName(info)
                                   + QStringLiteral(".tovalo-"),
                               &temporary, 0666));
    if (fd.get() < 0) {
        if (old)
            return Replaced::NotPossible;
        *error = failed(target, errno);
        return Replaced::Failed;
    }
    const QByteArray name = local(temporary);
    if (old && !takeIdentity(fd.get(), target, *old)) {
        ::unlink(name.constData());
        return Replaced::NotPossible;
    }
    int result = writeAndSync(fd.get(), bytes);
    if (const int closed = fd.close(); result == 0)
        result = closed;
    if (result == 0 && ::rename(name.constData(), local(target).constData()) != 0) {
        result = errno;
        // A sticky folder lets only the file's owner replace it.
        if (old && (result == EPERM || result == EACCES)) {
            ::unlink(name.constData());
            return Replaced::NotPossible;
        }
    }
    if (result != 0) {
        ::unlink(name.constData());
        *error = failed(target, result);
        return Replaced::Failed;
    }
    syncFolder(info.absolutePath());
    return Replaced::Done;
}

// A copy of `bytes` made for the write in place of `target`: beside it,
// else in the recovery folder. Empty with `error` set when neither takes it.
QString keepCopy(const QString &target, const QByteArray &bytes, int *error)
{
    const QFileInfo info(target);
    const QString beside = info.absolutePath() + QStringLiteral("/.") + shortName(info)
        + QStringLiteral(".tovalo-backup-");
    const QString recovery = FileWriter::recoveryFolder() + QStringLiteral("/backup-") + shortName(info)
        + QLatin1Char('-');
    *error = 0;
    for (const QString &base : {beside, recovery}) {
        QString made;
        Descriptor fd(createUnique(base, &made, 0600));
        if (fd.get() < 0) {
            *error = errno;
            continue;
        }
        int result = writeAndSync(fd.get(), bytes);
        if (const int closed = fd.close(); result == 0)
            result = closed;
        if (result == 0)
            return made;
        ::unlink(local(made).constData());
        *error = result;
    }
    return QString();
}

QString writeInPlace(const QString &target, const QByteArray &bytes)
{
    const QByteArray name = local(target);
    QFile reader(target);
    if (!reader.open(QIODevice::ReadOnly)) {
        return QStringLiteral("ファイル「%1」を保存できませんでした（元の内容を読めないため、控えを作れません）。"
                              "元のファイルは変更されていません。")
            .arg(target);
    }
    const QByteArray old = reader.readAll();
    reader.close();
    int error = 0;
    const QString copy = keepCopy(target, old, &error);
    if (copy.isEmpty()) {
        return QStringLiteral("ファイル「%1」を保存できませんでした（元の内容の控えを作れません: %2）。"
                              "元のファイルは変更されていません。")
            .arg(target, causeOf(error));
    }
    Descriptor fd(::open(name.constData(), O_WRONLY | O_CLOEXEC));
    int result = fd.get() < 0 ? errno : writeAndSync(fd.get(), bytes);
    if (result != 0 && fd.get() >= 0 && writeAndSync(fd.get(), old) != 0) {
        // The old bytes could not be put back either: the copy is all there is.
        return QStringLiteral("ファイル「%1」を保存できませんでした（%2）。元の内容は「%3」に残してあります。")
            .arg(target, causeOf(result), copy);
    }
    if (fd.get() >= 0) {
        if (const int closed = fd.close(); result == 0)
            result = closed;
    }
    ::unlink(local(copy).constData());
    return result == 0 ? QString() : failed(target, result);
}

} // namespace

QString FileWriter::recoveryFolder()
{
    const QString folder = RecoveryFolder::path();
    if (QDir().mkpath(folder))
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return folder;
}

QString FileWriter::write(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return QStringLiteral("保存先のファイル名が指定されていません。");
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("「%1」はフォルダーのため、ファイルとして保存できません。").arg(path);
    // A symlink stays a link: its target is what gets written.
    QString target = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    if (!info.exists() && info.isSymLink())
        target = info.symLinkTarget();
    const QFileInfo targetInfo(target);
    if (!targetInfo.absoluteDir().exists()) {
        return QStringLiteral("保存先のフォルダー「%1」が見つからないため、ファイル「%2」を保存できません。")
            .arg(QDir::toNativeSeparators(targetInfo.absolutePath()), path);
    }
    struct stat old {};
    const bool exists = ::stat(local(target).constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return QStringLiteral("「%1」は通常のファイルではないため保存できません。").arg(path);
    // A file that nobody may write stays as it is, even for root, who could:
    // the protection is its owner's choice.
    if (exists && (::faccessat(AT_FDCWD, local(target).constData(), W_OK, AT_EACCESS) != 0 || (old.st_mode & 0222) == 0))
        return QStringLiteral("ファイル「%1」は読み取り専用のため保存できません。").arg(path);

    QString error;
    if (!exists || old.st_nlink == 1) {
        switch (replace(target, bytes, exists ? &old : nullptr, &error)) {
        case Replaced::Done:
            return QString();
        case Replaced::Failed:
            return error;
        case Replaced::NotPossible:
            break;
        }
    }
    return writeInPlace(target, bytes);
}
