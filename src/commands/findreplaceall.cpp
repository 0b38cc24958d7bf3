#include "commands/findreplaceall.h"

#include <QStringMatcher>

ReplaceAllEdit FindReplaceAll::run(QStringView text, QStringView what, QStringView with,
                                   qsizetype from, Qt::CaseSensitivity cs)
{
    ReplaceAllEdit edit;
    if (what.isEmpty())
        return edit;
    from = qBound(qsizetype(0), from, text.size());

    // One matcher for the whole run: its table is built once, not per search.
    const QStringMatcher matcher(what, cs);
    qsizetype at = matcher.indexIn(text, from);
    if (at < 0)
        return edit;

    edit.start = at;
    qsizetype copied = at; // the old text up to here is already in the replacement
    while (at >= 0) {
        edit.replacement.append(text.sliced(copied, at - copied));
        edit.replacement.append(with);
        ++edit.count;
        copied = at + what.size();
        at = matcher.indexIn(text, copied);
    }
    edit.end = copied;
    return edit;
}

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

QString FindReplaceAll::apply(QStringView text, const ReplaceAllEdit &edit)
{
    if (edit.count == 0)
        return text.toString();
    QString result;
    result.reserve(text.size() - (edit.end - edit.start) + edit.replacement.size());
    result.append(text.first(edit.start));
    result.append(edit.replacement);
    result.append(text.sliced(edit.end));
    return result;
}

QString FindReplaceAll::totalMessage(qsizetype count)
{
    return QStringLiteral("合計%1個置換しました。").arg(count);
}
