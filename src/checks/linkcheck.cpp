#include "checks/linkcheck.h"

#include "checks/linktargetscanner.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace {

bool isUrlBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

// Browsers drop blanks around a link value, so the check does too.
QStringView trimmed(QStringView target)
{
    qsizetype begin = 0;
    qsizetype end = target.size();
    while (begin < end && isUrlBlank(target.at(begin)))
        ++begin;
    while (end > begin && isUrlBlank(target.at(end - 1)))
        --end;
    return target.sliced(begin, end - begin);
}

QString percentDecoded(QStringView text)
{
    if (!text.contains(u'%'))
        return text.toString();
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text.toUtf8()));
}

bool isDefined(const QSet<QString> &anchors, const QString &fragment, QStringView raw)
{
    return anchors.contains(fragment) || anchors.contains(raw.toString());
}

} // namespace

LinkTargetMeaning LinkCheck::meaning(QStringView target)
{
    using Kind = LinkTargetMeaning::Kind;
    const QStringView t = trimmed(target);
    if (t.isEmpty())
        return {Kind::Empty, {}};
    // Anything with a colon names a scheme (http:, mailto:) or a drive.
    if (t.contains(u':'))
        return {Kind::External, {}};
    if (t.startsWith(u'#'))
        return {Kind::InPage, percentDecoded(t.sliced(1))};

    QString path = t.toString();
    // Pages written on other systems use "\" where a URL has "/"; browsers
    // read it as "/", and so does the check.
    path.replace(u'\\', u'/');
    if (path.startsWith(u"//"))
        return {Kind::External, {}};
    if (path.startsWith(u'/'))
        return {Kind::RootRelative, {}};
    qsizetype cut = path.size();
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (path.at(i) == u'?' || path.at(i) == u'#') {
            cut = i;
            break;
        }
    }
    path.truncate(cut);
    if (path.isEmpty())
        return {Kind::SamePage, {}};
    return {Kind::File, percentDecoded(path)};
}

LinkCheckResult LinkCheck::run(QStringView text, const QString &baseFolder)
{
    using Kind = LinkTargetMeaning::Kind;
    const PageLinks links = LinkTargetScanner::scan(text);
    const QDir base(baseFolder);
    // Pages link the same files again and again (menus, images): each path
    // is looked up on disk once.
    QHash<QString, bool> exists;
    LinkCheckResult result;
    for (const TextRange &range : links.targets) {
        const QStringView target = text.sliced(range.start, range.length);
        const LinkTargetMeaning m = meaning(target);
        bool broken = false;
        switch (m.kind) {
        case Kind::Empty:
        case Kind::External:
        case Kind::RootRelative:
        case Kind::SamePage:
            continue;
        case Kind::InPage:
            // "#" and "#top" always lead to the top of the page.
            broken = !m.value.isEmpty() && m.value.compare(u"top", Qt::CaseInsensitive) != 0
                     && !isDefined(links.anchors, m.value, trimmed(target).sliced(1));
            break;
        case Kind::File: {
            const QString path = QDir::cleanPath(base.absoluteFilePath(m.value));
            auto known = exists.constFind(path);
            if (known == exists.constEnd())
                known = exists.insert(path, QFileInfo::exists(path));
            broken = !known.value();
            break;
        }
        }
        ++result.examined;
        if (broken)
            result.broken.append(range);
    }
    return result;
}

QString LinkCheck::baseFolderFor(const QString &documentPath)
{
    if (documentPath.isEmpty())
        return QDir::currentPath();
    return QFileInfo(documentPath).absolutePath();
}

QString LinkCheck::adviceText(qsizetype count)
{
    if (count > 0) {
        return QStringLiteral("注意：リンク切れの数：%1個\u3000※ヒント：リンク切れの箇所を赤字の下線付き太字にしました")
            .arg(count);
    }
    return QStringLiteral("正常：リンク切れは見つかりませんでした。");
}
