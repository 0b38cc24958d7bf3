#include "checks/pagecheck.h"

#include "checks/codingadvice.h"
#include "checks/linkcheck.h"
#include "checks/sitelinkcheck.h"
#include "document/documentfile.h"

#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <optional>

namespace {

// Where each line starts in the CR LF text the checks count in.
QVector<qsizetype> lineStarts(const QString &crlfText)
{
    QVector<qsizetype> starts{0};
    for (qsizetype at = crlfText.indexOf(QLatin1Char('\n')); at >= 0;
         at = crlfText.indexOf(QLatin1Char('\n'), at + 1))
        starts.append(at + 1);
    return starts;
}

PageCheck::Finding findingAt(const QVector<qsizetype> &starts, qsizetype offset, const QString &message)
{
    const auto after = std::upper_bound(starts.cbegin(), starts.cend(), offset);
    const qsizetype line = qsizetype(after - starts.cbegin()); // 1-based, as starts[0] == 0 <= offset
    return PageCheck::Finding{line, offset - starts.at(line - 1) + 1, message};
}

// The advice given on Enter, asked of each start tag of a line rather than of
// the whole line: on a whole page the line's indent, its text or its
// <!DOCTYPE html> would otherwise pass for a tag's unquoted attribute.
std::optional<PageCheck::Finding> unquotedTag(QStringView line)
{
    for (qsizetype open = line.indexOf(QLatin1Char('<')); open >= 0; open = line.indexOf(QLatin1Char('<'), open + 1)) {
        if (open + 1 < line.size() && (line.at(open + 1) == QLatin1Char('!') || line.at(open + 1) == QLatin1Char('/')))
            continue;
        const qsizetype close = line.indexOf(QLatin1Char('>'), open);
        const QStringView tag = close < 0 ? line.sliced(open) : line.sliced(open, close - open + 1);
        const QString advice = CodingAdviceRules::lineCheck(tag.toString());
        if (!advice.isEmpty())
            return PageCheck::Finding{1, open + 1, advice};
        if (close < 0)
            break;
        open = close;
    }
    return std::nullopt;
}

} // namespace

QString PageCheck::brokenLinkMessage(const QString &target)
{
    return QStringLiteral("注意：リンク切れです：%1").arg(target);
}

PageCheck::Advice PageCheck::adviceFor(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("css") || suffix == QLatin1String("js") ? Advice::LinksOnly : Advice::Page;
}

QVector<PageCheck::Finding> PageCheck::findings(const QString &text, const QString &baseFolder, Advice which)
{
    // The checks count positions the way the edit control hands its text
    // out: a line break is CR LF.
    QString crlf = text;
    crlf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    const QVector<qsizetype> starts = lineStarts(crlf);

    QVector<Finding> found;
    const ::Advice advice = which == Advice::Page ? CodingAdviceRules::check(crlf, 0) : ::Advice{};
    if (!advice.message.isEmpty()) {
        // errPoint is 1-based: the finding itself starts one before it.
        found.append(findingAt(starts, qBound<qsizetype>(0, advice.errPoint - 1, crlf.size()), advice.message));
    }

    for (qsizetype line = 0; which == Advice::Page && line < starts.size(); ++line) {
        const qsizetype start = starts.at(line);
        const qsizetype end = line + 1 < starts.size() ? starts.at(line + 1) - 2 : crlf.size();
        if (const std::optional<Finding> tag = unquotedTag(QStringView(crlf).sliced(start, end - start)))
            found.append(Finding{line + 1, tag->column, tag->message});
    }

    const LinkCheckResult links = LinkCheck::run(crlf, baseFolder);
    for (const TextRange &range : links.broken)
        found.append(findingAt(starts, range.start, brokenLinkMessage(crlf.mid(range.start, range.length))));

    std::stable_sort(found.begin(), found.end(), [](const Finding &a, const Finding &b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    return found;
}

int PageCheck::run(const QStringList &files, QTextStream &out, QTextStream &err)
{
    int code = Clean;
    // Links to a place in another page need that page's ids and names; each
    // page is read for them once.
    SiteLinkCheck::Places places;
    for (const QString &file : SiteLinkCheck::withFoldersExpanded(files)) {
        const DocumentFile::ReadResult read = DocumentFile::read(file);
        if (!read.ok) {
            err << read.error << Qt::endl; // the message names the file

            code = Unreadable;
            continue;
        }
        const QString base = QFileInfo(file).absolutePath();
        QVector<Finding> found = findings(read.text, base, adviceFor(file));
        for (const SiteLinkCheck::Finding &place : SiteLinkCheck::placeFindings(file, read.text, places))
            found.append(Finding{place.line, place.column, brokenLinkMessage(place.target)});
        std::stable_sort(found.begin(), found.end(), [](const Finding &a, const Finding &b) {
            return a.line != b.line ? a.line < b.line : a.column < b.column;
        });
        // Bytes that did not decode are shown as U+FFFD in the editor; a
        // check that kept quiet about them would call a damaged page clean.
        if (!read.warning.isEmpty())
            found.prepend(Finding{qMax(1, read.firstUndecodableLine), 1, read.warning});
        for (const Finding &finding : found)
            out << file << ':' << finding.line << ':' << finding.column << QStringLiteral(": ") << finding.message
                << '\n';
        if (!found.isEmpty() && code == Clean)
            code = FoundSomething;
    }
    out.flush();
    return code;
}
