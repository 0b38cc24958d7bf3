#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <Qt>

// The outcome of replacing every occurrence after the caret: one stretch of
// the old text, [start, end), and what takes its place. The control applies
// it as a single edit, so one undo takes the whole run back.
struct ReplaceAllEdit {
    qsizetype count = 0; // occurrences replaced; 0 leaves the text alone
    qsizetype start = 0; // first replaced occurrence, in the old text
    qsizetype end = 0;   // just after the last replaced occurrence, in the old text
    QString replacement;

    // Where the caret goes afterwards: just after the last inserted text, as
    // the step-by-step replacement leaves it.
    qsizetype caretAfter() const { return start + replacement.size(); }
};

// "全て置換(&A)": every occurrence from `from` on, left to right, each
// replaced as found and the search resumed after the inserted text, so a
// replacement is never searched again. One pass over the text, no cap.
class FindReplaceAll
{
public:
    static ReplaceAllEdit run(QStringView text, QStringView what, QStringView with, qsizetype from,
                              Qt::CaseSensitivity cs = Qt::CaseSensitive);

    // Where each occurrence replaced by run() starts, left to right, so a
    // control can rewrite just those stretches and keep the colours of the
    // text between them.
    static QList<qsizetype> occurrences(QStringView text, QStringView what, qsizetype from,
                                        Qt::CaseSensitivity cs = Qt::CaseSensitive);

    // The whole new text; for callers that hold the text themselves.
    static QString apply(QStringView text, const ReplaceAllEdit &edit);

    // 合計N個置換しました。
    static QString totalMessage(qsizetype count);
};
