#include "commands/findtext.h"

FindMatch FindText::next(QStringView text, QStringView what, qsizetype from,
                         Qt::CaseSensitivity cs)
{
    if (what.isEmpty())
        return {};
    from = qBound(qsizetype(0), from, text.size());
    const qsizetype at = text.indexOf(what, from, cs);
    if (at < 0)
        return {};
    return {at, what.size()};
}

FindMatch FindText::previous(QStringView text, QStringView what, qsizetype before,
                             Qt::CaseSensitivity cs)
{
    if (what.isEmpty())
        return {};
    before = qBound(qsizetype(0), before, text.size());
    // Searching only the part in front keeps an occurrence that straddles the
    // selection's start out of the result.
    const qsizetype at = text.first(before).lastIndexOf(what, cs);
    if (at < 0)
        return {};
    return {at, what.size()};
}

FindMatch FindText::dialogFind(QStringView text, QStringView what, qsizetype selStart,
                               qsizetype selLength, const FindOptions &options)
{
    if (what.isEmpty())
        return {};
    if (options.fromStart)
        return next(text, what, 0, options.caseSensitivity);
    if (options.direction == FindDirection::Up)
        return previous(text, what, selStart, options.caseSensitivity);
    return next(text, what, selStart + selLength, options.caseSensitivity);
}

QString FindText::notFoundMessage(const QString &what)
{
    return QLatin1Char('"') + what + QStringLiteral("\"が見つかりません");
}
