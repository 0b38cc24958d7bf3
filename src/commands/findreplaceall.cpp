#include "commands/findreplaceall.h"

#include <QStringMatcher>

QList<qsizetype> FindReplaceAll::occurrences(QStringView text, QStringView what, qsizetype from,
                                             Qt::CaseSensitivity cs)
{
    QList<qsizetype> starts;
    if (what.isEmpty())
        return starts;
    from = qBound(qsizetype(0), from, text.size());
    const QStringMatcher matcher(what, cs);
    // Resuming after each whole occurrence is what resuming after its
    // replacement does in the step-by-step run.
    for (qsizetype at = matcher.indexIn(text, from); at >= 0; at = matcher.indexIn(text, at + what.size()))
        starts.append(at);
    return starts;
}

QString FindReplaceAll::totalMessage(qsizetype count)
{
    return QStringLiteral("合計%1個置換しました。").arg(count);
}
