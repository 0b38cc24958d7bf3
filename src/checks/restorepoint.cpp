#include "checks/restorepoint.h"

#include <algorithm>

void RestorePoint::store(QString text, ColourRuns colours, TextRanges linkMarks)
{
    const qsizetype length = text.size();
    m_snapshot.text = std::move(text);
    m_snapshot.colours = tidied(std::move(colours), length);
    m_snapshot.linkMarks = tidied(std::move(linkMarks), length);
    m_held = true;
}

RestorePoint::Snapshot RestorePoint::take()
{
    Snapshot out = std::move(m_snapshot);
    m_snapshot = Snapshot();
    m_held = false;
    return out;
}

QString RestorePoint::menuCaption() const
{
    return isEmpty() ? QStringLiteral("復元ポイント作成(&B)") : QStringLiteral("復元する(&B)");
}

QString RestorePoint::createdMessage()
{
    return QStringLiteral("復元ポイントを作成しました。メニューの同じ場所で復元する事が出来ます。");
}

QString RestorePoint::confirmMessage()
{
    return QStringLiteral("復元すると復元前の状態に戻せなくなります。よろしいですか？");
}

ColourRuns RestorePoint::tidied(ColourRuns runs, qsizetype textLength)
{
    // Captured runs come in order already; sorting is then a linear check.
    if (!std::is_sorted(runs.cbegin(), runs.cend(),
                        [](const ColourRun &a, const ColourRun &b) { return a.start < b.start; })) {
        std::stable_sort(runs.begin(), runs.end(),
                         [](const ColourRun &a, const ColourRun &b) { return a.start < b.start; });
    }
    qsizetype out = 0;
    qsizetype coveredTo = 0; // a later run never repaints what an earlier one covers
    for (qsizetype i = 0; i < runs.size(); ++i) {
        ColourRun run = runs.at(i);
        qsizetype start = qMax(run.start, coveredTo);
        const qsizetype end = qMin(run.start + run.length, textLength);
        if (end <= start)
            continue;
        coveredTo = end;
        if (run.colour == SyntaxColor::Default)
            continue;
        if (out > 0) {
            ColourRun &last = runs[out - 1];
            if (last.colour == run.colour && last.start + last.length == start) {
                last.length = end - last.start;
                continue;
            }
        }
        run.start = start;
        run.length = end - start;
        runs[out++] = run;
    }
    runs.resize(out);
    return runs;
}

TextRanges RestorePoint::tidied(TextRanges ranges, qsizetype textLength)
{
    std::stable_sort(ranges.begin(), ranges.end(),
                     [](const TextRange &a, const TextRange &b) { return a.start < b.start; });
    qsizetype out = 0;
    for (qsizetype i = 0; i < ranges.size(); ++i) {
        const qsizetype start = qMax(ranges.at(i).start, qsizetype(0));
        const qsizetype end = qMin(ranges.at(i).end(), textLength);
        if (end <= start)
            continue;
        if (out > 0 && ranges.at(out - 1).end() >= start) {
            TextRange &last = ranges[out - 1];
            last.length = qMax(last.end(), end) - last.start;
            continue;
        }
        ranges[out++] = {start, end - start};
    }
    ranges.resize(out);
    return ranges;
}
