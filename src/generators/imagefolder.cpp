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
    // "#" would start a fragment, "?" a query and "%" an escape: written
    // raw, the browser would look for another file. Every other character,
    // Japanese included, stays readable as it is.
    QString src;
    for (QChar c : QStringView(cleanFile).mid(prefix.size())) {
        if (c == QLatin1Char('%'))
            src += QLatin1String("%25");
        else if (c == QLatin1Char('#'))
            src += QLatin1String("%23");
        else if (c == QLatin1Char('?'))
            src += QLatin1String("%3F");
        else
            src += c;
    }
    return src;
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
