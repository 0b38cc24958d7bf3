#include "frame/documentcaption.h"

#include <QSet>

QString DocumentCaption::forFile(int number, const QString &path, const QString &kind)
{
    return QStringLiteral("[%1]%2  (%3)").arg(number).arg(path, kind);
}

QString DocumentCaption::forUntitled(int number, const QString &kind)
{
    return QStringLiteral("[%1]名称未設定ファイル  (%2)").arg(number).arg(kind);
}

QString DocumentCaption::kind(const QString &caption)
{
    const qsizetype open = caption.lastIndexOf(QLatin1String("  ("));
    if (open < 0 || !caption.endsWith(QLatin1Char(')')))
        return QString();
    return caption.mid(open + 3, caption.size() - open - 4);
}

int DocumentCaption::chooseNumber(const QStringList &captions)
{
    QSet<QString> used;
    for (const QString &caption : captions)
        used.insert(key(caption));
    // With windows 1 to 99 open every key is taken; rather than search for
    // ever, fall back to the lowest number no caption starts with in full.
    for (int number = 1; number <= 99; ++number)
        if (!used.contains(key(QStringLiteral("[%1]").arg(number))))
            return number;
    for (int number = 100;; ++number) {
        const QString prefix = QStringLiteral("[%1]").arg(number);
        bool taken = false;
        for (const QString &caption : captions)
            taken = taken || caption.startsWith(prefix);
        if (!taken)
            return number;
    }
}

QString DocumentCaption::tabText(const QString &caption)
{
    if (caption.isEmpty())
        return QString();
    const qsizetype bracket = caption.indexOf(QLatin1Char(']'));
    const QString tabKey = bracket >= 0 ? caption.left(bracket + 1) : QString();
    if (caption.contains(QStringLiteral("名称未設定")))
        return tabKey + QStringLiteral("未保存");
    if (!caption.contains(QLatin1Char('[')))
        return QString();
    // The kind stands after the last "  (", so a folder holding " (" cannot
    // cut the name short. The name keeps one of the two blanks after it.
    qsizetype kindStart = caption.lastIndexOf(QStringLiteral("  ("));
    if (kindStart < 0)
        kindStart = caption.size() - 1;
    const QString pathPart = caption.left(kindStart + 1);
    const qsizetype nameStart = qMax(pathPart.lastIndexOf(QLatin1Char('/'), 4999), bracket) + 1;
    return tabKey + pathPart.mid(nameStart);
}

QString DocumentCaption::folderOf(const QString &path)
{
    const qsizetype slash = path.left(5000).lastIndexOf(QLatin1Char('/'));
    return slash >= 0 ? path.left(slash + 1) : QString();
}
