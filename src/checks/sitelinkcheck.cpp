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

// One page's links, in the order they stand. With `elsewhereOnly` just the
// places in other pages, which the one-page check leaves alone.
void checkPage(const QString &path, const QString &text, const PageLinks &links, SiteLinkCheck::Places &places,
               Existence &exists, bool elsewhereOnly, QVector<SiteLinkCheck::Finding> &out)
{
    using Kind = LinkTargetMeaning::Kind;
    const QString folder = folderOf(path);
    qsizetype line = 1;
    qsizetype lineStart = 0;
    qsizetype counted = 0;
    for (const TextRange &range : links.targets) {
        const QStringView target = QStringView(text).sliced(range.start, range.length);
        const LinkTargetMeaning m = LinkCheck::meaning(target);
        QString reason;
        if (m.kind == Kind::InPage && !elsewhereOnly) {
            if (!LinkCheck::hasPlace(links.anchors, LinkCheck::fragmentOf(target)))
                reason = SiteLinkCheck::missingPlaceHere();
        } else if (m.kind == Kind::File) {
            const QString file = QDir::cleanPath(folder + u'/' + m.value);
            if (!exists(file)) {
                if (!elsewhereOnly)
                    reason = SiteLinkCheck::missingFile();
            } else if (const QStringView part = LinkCheck::fragmentOf(target); !part.isNull() && isPage(file)) {
                const QSet<QString> *anchors = places.of(file);
                if (anchors && !LinkCheck::hasPlace(*anchors, part))
                    reason = SiteLinkCheck::missingPlace();
            }
        }
        if (reason.isEmpty())
            continue;
        // Findings are few: lines are counted only up to each of them.
        for (; counted < range.start; ++counted) {
            if (text.at(counted) == u'\n') {
                ++line;
                lineStart = counted + 1;
            }
        }
        out.append({path, line, range.start - lineStart + 1, range.start, target.toString(), reason});
    }
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

const QSet<QString> *SiteLinkCheck::Places::of(const QString &path)
{
    auto known = m_anchors.constFind(path);
    if (known != m_anchors.constEnd())
        return &known.value();
    if (m_unreadable.contains(path))
        return nullptr;
    QString error;
    const QString page = text(path, &error);
    if (!error.isEmpty()) {
        m_unreadable.insert(path);
        return nullptr;
    }
    return &m_anchors.insert(path, LinkTargetScanner::scan(page).anchors).value();
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
        if (QFileInfo(path).isDir())
            out += pages(path);
        else
            out.append(path);
    }
    return out;
}

QVector<SiteLinkCheck::Finding> SiteLinkCheck::run(const QString &folder, const QHash<QString, QString> &texts,
                                                   const std::function<void(int, int)> &progress,
                                                   const std::atomic_bool *cancel)
{
    struct Page {
        QString path;
        QString text;
        PageLinks links;
    };
    const QStringList paths = pages(folder);
    Places places(texts);
    QVector<Finding> found;
    QVector<Page> read;
    read.reserve(paths.size());
    // Every page is read first, so that a link to a later page finds its
    // places already known.
    int done = 0;
    for (const QString &path : paths) {
        if (cancel && cancel->load())
            return found;
        QString error;
        Page page{path, places.text(path, &error), {}};
        if (!error.isEmpty()) {
            found.append({path, 1, 1, 0, QString(), error});
        } else {
            page.links = LinkTargetScanner::scan(page.text);
            places.set(path, page.links.anchors);
            read.append(std::move(page));
        }
        if (progress)
            progress(++done, int(paths.size()));
    }
    Existence exists;
    for (const Page &page : read) {
        if (cancel && cancel->load())
            break;
        checkPage(page.path, page.text, page.links, places, exists, false, found);
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Finding &a, const Finding &b) { return a.file < b.file; });
    return found;
}

QVector<SiteLinkCheck::Finding> SiteLinkCheck::placeFindings(const QString &path, const QString &text,
                                                             Places &places)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const PageLinks links = LinkTargetScanner::scan(text);
    places.set(absolute, links.anchors);
    Existence exists;
    QVector<Finding> found;
    checkPage(absolute, text, links, places, exists, true, found);
    return found;
}
