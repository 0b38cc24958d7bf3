#include "generators/imagefolder.h"

#include <QDir>

namespace {

// The working folder followed by one separator: what every path inside it
// begins with. The root is its own prefix.
QString insidePrefix(const QString &workDir)
{
    const QString clean = QDir::cleanPath(workDir);
    return clean.endsWith(QLatin1Char('/')) ? clean : clean + QLatin1Char('/');
}

} // namespace

bool ImageFolder::isInside(const QString &folder, const QString &workDir)
{
    if (folder.isEmpty() || workDir.isEmpty())
        return false;
    const QString cleanFolder = QDir::cleanPath(folder);
    return cleanFolder == QDir::cleanPath(workDir) || cleanFolder.startsWith(insidePrefix(workDir));
}

QString ImageFolder::relativeSrc(const QString &filePath, const QString &workDir)
{
    if (filePath.isEmpty() || workDir.isEmpty())
        return QString();
    const QString cleanFile = QDir::cleanPath(filePath);
    const QString prefix = insidePrefix(workDir);
    if (!cleanFile.startsWith(prefix) || cleanFile.size() == prefix.size())
        return QString();
    return cleanFile.mid(prefix.size());
}

ImageFolder::Move ImageFolder::move(bool wasInside, const QString &folder, const QString &workDir)
{
    if (isInside(folder, workDir))
        return {true, false};
    return {false, wasInside};
}

QString ImageFolder::leavingTitle()
{
    return QStringLiteral("注意");
}

QString ImageFolder::leavingMessage()
{
    return QStringLiteral("現在編集中のhtmlファイルがあるフォルダの階層よりも上の階層に行くとSRC属性の値が自動取得できなくなります。");
}
