#include "document/processidentity.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QFile>

namespace {

QByteArray readSmallFile(const QString &path)
{
    QFile file(path);
    // Files under /proc report no size: read up to a bound instead.
    return file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
}

// Field 22 of /proc/PID/stat. The command name (field 2) is in parentheses
// and may hold blanks and parentheses itself, so the count starts after the
// last ")". A process that has ended but is not yet reaped (Z, X) writes no
// more: it counts as gone.
quint64 startTimeOf(qint64 pid)
{
    const QByteArray stat = readSmallFile(QStringLiteral("/proc/%1/stat").arg(pid));
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return 0;
    const QByteArrayList fields = stat.mid(close + 1).simplified().split(' ');
    constexpr int field3 = 0; // the state
    constexpr int field22 = 22 - 3;
    if (fields.size() <= field22 || fields.at(field3) == "Z" || fields.at(field3) == "X")
        return 0;
    return fields.at(field22).toULongLong();
}

QString currentBootId()
{
    static const QString id = QString::fromLatin1(
        readSmallFile(QStringLiteral("/proc/sys/kernel/random/boot_id")).trimmed());
    return id;
}

} // namespace

ProcessIdentity ProcessIdentity::current()
{
    return running(QCoreApplication::applicationPid());
}

ProcessIdentity ProcessIdentity::running(qint64 pid)
{
    ProcessIdentity identity;
    identity.pid = pid;
    identity.startTime = pid > 0 ? startTimeOf(pid) : 0;
    identity.bootId = currentBootId();
    return identity;
}

bool ProcessIdentity::isRunning() const
{
    return pid > 0 && startTime != 0 && running(pid) == *this;
}
