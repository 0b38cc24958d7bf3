#include "checks/sitelinkcheck.h"

#include "checks/linkcheck.h"
#include "checks/linktargetscanner.h"
#include "document/documentfile.h"

#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace {

bool isPage(QStringView path)
{
    return path.endsWith(u".html", Qt::CaseInsensitive) || path.endsWith(u".htm", Qt::CaseInsensitive);
}

QString folderOf(const QString &path)
{
    return path.left(qMax<qsizetype>(1, path.lastIndexOf(u'/')));
}

// Pages link the same files again and again (menus, pictures): each path is
// looked up on disk once per run.
class Existence
{
public:
    bool operator()(const QString &path)
    {
        auto known = m_known.constFind(path);
        if (known == m_known.constEnd())
            known = m_known.insert(path, QFileInfo::exists(path));
        return known.value();
    }

private:
    QHash<QString, bool> m_known;
};

// Source listings link a range of lines as "#10-20", each end the id of its
// line; the listing's script takes the reader there.
bool hasPlace(const QSet<QString> &anchors, QStringView fragment)
{
    if (LinkCheck::hasPlace(anchors, fragment))
        return true;
    const qsizetype dash = fragment.indexOf(u'-');
    return dash > 0 && anchors.contains(fragment.first(dash).toString())
           && anchors.contains(fragment.sliced(dash + 1).toString());
}

// A link to a place in another page, answered once every page is read.
struct Pending {
    SiteLinkCheck::Finding finding;
    QString page;
};

// One page's links, in the order they stand: what the page alone answers goes
// to `out`, links to a place in a page to `pending`. With `elsewhereOnly`
// just the latter, which the one-page check leaves alone.
void checkPage(const QString &path, QStringView text, const PageLinks &links, Existence &exists,
               bool elsewhereOnly, QVector<SiteLinkCheck::Finding> &out, QVector<Pending> &pending)
{
    using Kind = LinkTargetMeaning::Kind;
    const QString folder = folderOf(path);
    qsizetype line = 1;
    qsizetype lineStart = 0;
    qsizetype counted = 0;
    qsizetype pairs = 0; // surrogate pairs since the line's start: a column counts characters
    for (const TextRange &range : links.targets) {
        const QStringView target = text.sliced(range.start, range.length);
        const LinkTargetMeaning m = LinkCheck::meaning(target);
        QString reason;
        QString page;
        if (m.kind == Kind::InPage && !elsewhereOnly) {
            if (!hasPlace(links.anchors, LinkCheck::fragmentOf(target)))
                reason = SiteLinkCheck::missingPlaceHere();
        } else if (m.kind == Kind::File) {
            const QString file = QDir::cleanPath(folder + u'/' + m.value);
            if (!exists(file)) {
                if (!elsewhereOnly)
                    reason = SiteLinkCheck::missingFile();
            } else if (!LinkCheck::fragmentOf(target).isNull() && isPage(file)) {
                page = file;
            }
        }
        if (reason.isEmpty() && page.isEmpty())
            continue;
        // Few links need a place: lines are counted only up to each of them.
        for (; counted < range.start; ++counted) {
            if (text.at(counted) == u'\n') {
                ++line;
                lineStart = counted + 1;
                pairs = 0;
            } else if (text.at(counted).isLowSurrogate()) {
                ++pairs;
            }
        }
        const SiteLinkCheck::Finding finding{path, line, range.start - lineStart - pairs + 1, range.start,
                                             target.toString(), reason};
        if (page.isEmpty())
            out.append(finding);
        else
            pending.append({finding, page});
    }
}

void resolve(const QVector<Pending> &pending, SiteLinkCheck::Places &places, QVector<SiteLinkCheck::Finding> &out)
{
    for (const Pending &link : pending) {
        const std::optional<QSet<QString>> anchors = places.of(link.page);
        if (anchors && !hasPlace(*anchors, LinkCheck::fragmentOf(link.finding.target))) {
            out.append(link.finding);
            out.last().reason = SiteLinkCheck::missingPlace();
        }
    }
}

// Where a refresh in the page's head sends the browser; empty when none.
QString refreshTarget(const QString &path, QStringView text)
{
    const QStringView head = text.first(qMin<qsizetype>(text.size(), 8192));
    const qsizetype refresh = head.indexOf(u"refresh", 0, Qt::CaseInsensitive);
    if (refresh < 0)
        return {};
    const qsizetype open = head.lastIndexOf(u'<', refresh);
    const qsizetype close = head.indexOf(u'>', refresh);
    if (open < 0 || close < 0 || !head.sliced(open).startsWith(u"<meta", Qt::CaseInsensitive))
        return {};
    const QStringView tag = head.sliced(open, close - open);
    const qsizetype url = tag.indexOf(u"url=", 0, Qt::CaseInsensitive);
    if (url < 0)
        return {};
    qsizetype end = url + 4;
    while (end < tag.size() && tag.at(end) != u'"' && tag.at(end) != u'\'' && tag.at(end) != u' ')
        ++end;
    const LinkTargetMeaning m = LinkCheck::meaning(tag.sliced(url + 4, end - url - 4));
    return m.kind == LinkTargetMeaning::Kind::File ? QDir::cleanPath(folderOf(path) + u'/' + m.value) : QString();
}

} // namespace

SiteLinkCheck::Places::Places(const QHash<QString, QString> &texts)
    : m_texts(texts)
{
}

QString SiteLinkCheck::Places::text(const QString &path, QString *error) const
{
    const auto open = m_texts.constFind(path);
    if (open != m_texts.constEnd())
        return open.value();
    DocumentFile::ReadResult read = DocumentFile::read(path);
    if (!read.ok)
        *error = read.error;
    return std::move(read.text);
}

void SiteLinkCheck::Places::learn(const QString &path, QStringView text, const QSet<QString> &anchors)
{
    m_pages.insert(path, Page{anchors, refreshTarget(path, text), true});
    m_answers.remove(path);
}

std::optional<QSet<QString>> SiteLinkCheck::Places::of(const QString &path)
{
    // Many links lead to the same few pages (an index, a redirect).
    auto known = m_answers.constFind(path);
    if (known == m_answers.constEnd())
        known = m_answers.insert(path, of(path, 0));
    return known.value();
}

std::optional<QSet<QString>> SiteLinkCheck::Places::of(const QString &path, int hops)
{
    if (!m_pages.contains(path)) {
        QString error;
        const QString page = text(path, &error);
        if (!error.isEmpty())
            m_pages.insert(path, Page{{}, {}, false});
        else
            learn(path, page, LinkTargetScanner::scan(page).anchors);
    }
    const Page page = m_pages.value(path);
    if (!page.readable)
        return std::nullopt;
    // A few hops at most: pages that send to each other never end.
    if (page.sendsTo.isEmpty() || page.sendsTo == path || hops >= 4 || !QFileInfo::exists(page.sendsTo))
        return page.anchors;
    const std::optional<QSet<QString>> there = of(page.sendsTo, hops + 1);
    return there ? page.anchors + *there : page.anchors;
}

QString SiteLinkCheck::missingFile()
{
    return QStringLiteral("ファイルが見つかりません");
}

QString SiteLinkCheck::missingPlace()
{
    return QStringLiteral("リンク先のページにそのidまたはnameがありません");
}

QString SiteLinkCheck::missingPlaceHere()
{
    return QStringLiteral("このページにそのidまたはnameがありません");
}

QStringList SiteLinkCheck::pages(const QString &folder)
{
    QStringList found;
    // Hidden folders (version control, editors' own) are neither listed nor
    // entered; links to folders are not followed, so no loop can form.
    QDirIterator it(folder, {QStringLiteral("*.html"), QStringLiteral("*.htm")}, QDir::Files | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(QDir::cleanPath(QFileInfo(it.next()).absoluteFilePath()));
    found.sort();
    return found;
}

QStringList SiteLinkCheck::withFoldersExpanded(const QStringList &paths)
{
    QStringList out;
    for (const QString &path : paths) {
        if (QFileInfo(path).isDir()) {
            // Named as the folder was, so that a report reads like the command.
            const QDir folder(path);
            for (const QString &page : pages(path))
                out.append(QDir::cleanPath(path + u'/' + folder.relativeFilePath(page)));
        } else
            out.append(path);
    }
    return out;
}

QVector<SiteLinkCheck::Finding> SiteLinkCheck::run(const QString &folder, const QHash<QString, QString> &texts,
                                                   const std::function<void(int, int)> &progress,
                                                   const std::atomic_bool *cancel)
{
    const QStringList paths = pages(folder);
    Places places(texts);
    Existence exists;
    QVector<Finding> found;
    QVector<Pending> pending;
    int done = 0;
    // Each page is read once; links to places wait until every page's places
    // are known. No page's text is kept: a site may hold gigabytes.
    for (const QString &path : paths) {
        if (cancel && cancel->load())
            return found;
        QString error;
        const QString text = places.text(path, &error);
        if (!error.isEmpty()) {
            found.append({path, 1, 1, 0, QString(), error});
        } else {
            const PageLinks links = LinkTargetScanner::scan(text);
            places.learn(path, text, links.anchors);
            checkPage(path, text, links, exists, false, found, pending);
        }
        if (progress)
            progress(++done, int(paths.size()));
    }
    resolve(pending, places, found);
    std::stable_sort(found.begin(), found.end(), [](const Finding &a, const Finding &b) {
        return a.file != b.file ? a.file < b.file : a.offset < b.offset;
    });
    return found;
}

QVector<SiteLinkCheck::Finding> SiteLinkCheck::placeFindings(const QString &path, const QString &text,
                                                             Places &places)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const PageLinks links = LinkTargetScanner::scan(text);
    places.learn(absolute, text, links.anchors);
    Existence exists;
    QVector<Finding> found;
    QVector<Pending> pending;
    checkPage(absolute, text, links, exists, true, found, pending);
    resolve(pending, places, found);
    return found;
}
