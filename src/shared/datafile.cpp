#include "shared/datafile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString DataFile::path(const QString &name)
{
    return path(name, QCoreApplication::applicationDirPath());
}

QString DataFile::path(const QString &name, const QString &programFolder)
{
    const QDir folder(programFolder);
    const QString beside = folder.filePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = QDir::cleanPath(folder.filePath(QStringLiteral("../share/tovalo/") + name));
    if (QFileInfo::exists(installed))
        return installed;
    return beside;
}
