#include "document/linecuts.h"

namespace {

bool pleasantBefore(QChar ch)
{
    return ch == QLatin1Char('>') || ch == QLatin1Char(' ') || ch == QLatin1Char('\t') || ch.unicode() == 0x3000;
}

// A cut between the halves of a surrogate pair, or between the CR and LF of
// one line break, would leave half a character or half a break in each piece.
bool splitsPair(QStringView text, qsizetype at)
{
    if (at <= 0 || at >= text.size())
        return false;
    const QChar before = text.at(at - 1);
    const QChar after = text.at(at);
    return (before.isHighSurrogate() && after.isLowSurrogate())
        || (before == QLatin1Char('\r') && after == QLatin1Char('\n'));
}

} // namespace

qsizetype LineCuts::nextCut(QStringView text, qsizetype from, qsizetype target)
{
    target = qMax<qsizetype>(2, target);
    if (text.size() - from <= target)
        return text.size();
    const qsizetype latest = from + target;
    const qsizetype earliest = from + target / 2;
    for (qsizetype at = latest; at > earliest; --at) {
        if (pleasantBefore(text.at(at - 1)))
            return at;
    }
    // No place a reader would choose: cut hard, but never between the halves
    // of one character or of one CR LF.
    return splitsPair(text, latest) ? latest - 1 : latest;
}

QList<qsizetype> LineCuts::cuts(QStringView text, qsizetype limit, qsizetype target)
{
    QList<qsizetype> found;
    if (text.size() <= limit)
        return found;
    for (qsizetype at = nextCut(text, 0, target); at < text.size(); at = nextCut(text, at, target))
        found.append(at);
    return found;
}

std::vector<qsizetype> LineCuts::cutsOfLines(QStringView text)
{
    std::vector<qsizetype> found;
    qsizetype lineStart = 0;
    while (lineStart <= text.size()) {
        qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        if (lineEnd - lineStart > MaxPiece) {
            for (const qsizetype cut : cuts(text.mid(lineStart, lineEnd - lineStart)))
                found.push_back(lineStart + cut);
        }
        lineStart = lineEnd + 1;
    }
    return found;
}
