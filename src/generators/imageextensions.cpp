#include "generators/imageextensions.h"

QStringList ImageExtensions::extensions(const QList<QByteArray> &supportedFormats)
{
    QStringList list = {QStringLiteral("gif"), QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg")};
    for (const char *optional : {"webp", "svg"}) {
        for (const QByteArray &format : supportedFormats) {
            if (format.compare(optional, Qt::CaseInsensitive) == 0) {
                list.append(QLatin1String(optional));
                break;
            }
        }
    }
    return list;
}

QStringList ImageExtensions::patterns(const QList<QByteArray> &supportedFormats)
{
    QStringList list;
    for (const QString &extension : extensions(supportedFormats))
        list.append(QStringLiteral("*.") + extension);
    return list;
}

bool ImageExtensions::isImage(const QString &fileName, const QList<QByteArray> &supportedFormats)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    const QString suffix = fileName.mid(dot + 1);
    for (const QString &extension : extensions(supportedFormats)) {
        if (suffix.compare(extension, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
