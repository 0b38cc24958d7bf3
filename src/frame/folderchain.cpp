#include "frame/folderchain.h"

#include <QDir>

namespace {
const QChar slash = QLatin1Char('/');

QString withSlash(const QString &path)
{
    return path.endsWith(slash) ? path : path + slash;
}
}

QString FolderChain::normalized(const QString &folder)
{
    if (folder.isEmpty())
        return QString();
    QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    // cleanPath leaves a climb above the root in place.
    while (clean.startsWith(QLatin1String("/..")) && (clean.size() == 3 || clean.at(3) == slash))
        clean.remove(0, 3);
    return clean.isEmpty() ? QString(slash) : withSlash(clean);
}

bool FolderChain::holds(const QString &root, const QString &folder)
{
    const QString r = normalized(root);
    const QString f = normalized(folder);
    return !r.isEmpty() && f.startsWith(r);
}

QStringList FolderChain::chain(const QString &root, const QString &folder)
{
    const QString f = normalized(folder);
    if (f.isEmpty())
        return {};
    QString r = normalized(root);
    if (r.isEmpty() || !f.startsWith(r))
        r = QString(slash);

    QStringList folders{r};
    qsizetype from = r.size();
    while (from < f.size()) {
        const qsizetype end = f.indexOf(slash, from);
        folders << f.left(end + 1);
        from = end + 1;
    }
    return folders;
}

QString FolderChain::name(const QString &folder)
{
    const QString f = normalized(folder);
    if (f.size() <= 1)
        return f;
    const qsizetype start = f.lastIndexOf(slash, f.size() - 2) + 1;
    return f.mid(start, f.size() - 1 - start);
}

QString FolderChain::join(const QString &folder, const QString &name)
{
    return withSlash(folder) + name;
}
