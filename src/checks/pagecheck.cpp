#include "checks/pagecheck.h"

#include "checks/codingadvice.h"
#include "checks/linkcheck.h"
#include "checks/linktargetscanner.h"
#include "checks/sitelinkcheck.h"
#include "document/documentfile.h"

#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace {

// A finding where it stands in the CR LF text, before it gets its line and
// column.
struct Placed {
    qsizetype offset;
    QString message;
};

// Where each line starts in the CR LF text the checks count in.
QVector<qsizetype> lineStarts(const QString &crlfText)
{
    QVector<qsizetype> starts{0};
    for (qsizetype at = crlfText.indexOf(QLatin1Char('\n')); at >= 0;
         at = crlfText.indexOf(QLatin1Char('\n'), at + 1))
        starts.append(at + 1);
    return starts;
}

// Lines and columns for findings sorted by offset, in one pass over the
// text: a minified page holds all its findings on one megabyte-long line.
// A column counts characters, so a character outside the basic plane (an
// emoji) counts once although the text holds it as two units.
QVector<PageCheck::Finding> located(const QString &crlf, const QVector<Placed> &placed)
{
    const QVector<qsizetype> starts = lineStarts(crlf);
    QVector<PageCheck::Finding> found;
    found.reserve(placed.size());
    qsizetype line = 0; // 0-based
    qsizetype counted = 0;
    qsizetype pairs = 0; // surrogate pairs between the line's start and `counted`
    for (const Placed &p : placed) {
        const qsizetype at = std::upper_bound(starts.cbegin(), starts.cend(), p.offset) - starts.cbegin() - 1;
        if (at != line) {
            line = at;
            counted = starts.at(line);
            pairs = 0;
        }
        for (; counted < p.offset; ++counted)
            pairs += crlf.at(counted).isLowSurrogate() ? 1 : 0;
        found.append(PageCheck::Finding{line + 1, p.offset - starts.at(line) - pairs + 1, p.message});
    }
    return found;
}

// The advice given on Enter, asked of each start tag that holds attributes,
// from its "<" to its ">", the line's end or the next "<": the text around
// it, script and style text, comments and a bare <hr /> are no attributes
// to quote.
void adviseQuotes(const QString &crlf, QVector<Placed> &found)
{
    for (const qsizetype open : LinkTargetScanner::scan(crlf).attributedTags) {
        qsizetype end = open + 1;
        while (end < crlf.size() && crlf.at(end) != QLatin1Char('>') && crlf.at(end) != QLatin1Char('<')
               && crlf.at(end) != QLatin1Char('\r') && crlf.at(end) != QLatin1Char('\n'))
            ++end;
        const QString advice = CodingAdviceRules::lineCheck(crlf.mid(open, end - open + 1));
        if (!advice.isEmpty())
            found.append(Placed{open, advice});
    }
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

QVector<PageCheck::Finding> PageCheck::findings(const QString &text, const QString &baseFolder, Advice which,
                                                Quotes quotes)
{
    // The checks count positions the way the edit control hands its text
    // out: a line break is CR LF.
    QString crlf = text;
    crlf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));

    QVector<Placed> found;
    const ::Advice advice = which == Advice::Page ? CodingAdviceRules::check(crlf, 0) : ::Advice{};
    if (!advice.message.isEmpty()) {
        // errPoint is 1-based: the finding itself starts one before it.
        found.append(Placed{qBound<qsizetype>(0, advice.errPoint - 1, crlf.size()), advice.message});
    }
    if (which == Advice::Page && quotes == Quotes::Advise)
        adviseQuotes(crlf, found);

    const LinkCheckResult links = LinkCheck::run(crlf, baseFolder);
    for (const TextRange &range : links.broken)
        found.append(Placed{range.start, brokenLinkMessage(crlf.mid(range.start, range.length))});

    std::stable_sort(found.begin(), found.end(), [](const Placed &a, const Placed &b) { return a.offset < b.offset; });
    return located(crlf, found);
}

int PageCheck::run(const QStringList &files, QTextStream &out, QTextStream &err, Quotes quotes)
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
        QVector<Finding> found = findings(read.text, base, adviceFor(file), quotes);
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
