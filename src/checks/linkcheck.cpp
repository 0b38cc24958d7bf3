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

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Only a "%" with two hex digits is an escape; any other "%" is the
// character itself, as a browser reads it. (QByteArray::fromPercentEncoding
// turns "%%c" into a backslash and "50%off" into garbage.)
QString percentDecoded(QStringView text)
{
    if (!text.contains(u'%'))
        return text.toString();
    const QByteArray bytes = text.toUtf8();
    QByteArray decoded;
    decoded.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) == '%' && i + 2 < bytes.size()) {
            const int high = hexValue(bytes.at(i + 1));
            const int low = hexValue(bytes.at(i + 2));
            if (high >= 0 && low >= 0) {
                decoded += char(high * 16 + low);
                i += 2;
                continue;
            }
        }
        decoded += bytes.at(i);
    }
    return QString::fromUtf8(decoded);
}

} // namespace

LinkTargetMeaning LinkCheck::meaning(QStringView target)
{
    using Kind = LinkTargetMeaning::Kind;
    // The page's markup is read first, then the address: "&amp;" is an "&"
    // of the file name, and "&#37;41" the escape "%41".
    const QString decoded = LinkTargetScanner::decoded(target);
    const QStringView t = trimmed(decoded);
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
            broken = !hasPlace(links.anchors, trimmed(LinkTargetScanner::decoded(target)).sliced(1));
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

bool LinkCheck::hasPlace(const QSet<QString> &anchors, QStringView fragment)
{
    const QString decoded = percentDecoded(fragment);
    // "#" and "#top" always lead to the top of the page.
    return decoded.isEmpty() || decoded.compare(u"top", Qt::CaseInsensitive) == 0 || anchors.contains(decoded)
           || (decoded.size() != fragment.size() && anchors.contains(fragment.toString()));
}

QString LinkCheck::fragmentOf(QStringView target)
{
    const QString decoded = LinkTargetScanner::decoded(target);
    const QStringView t = trimmed(decoded);
    const qsizetype hash = t.indexOf(u'#');
    return hash < 0 ? QString() : t.sliced(hash + 1).toString();
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
