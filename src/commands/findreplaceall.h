#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <Qt>

// "全て置換(&A)": every occurrence from `from` on, left to right, each
// replaced as found and the search resumed after the inserted text, so a
// replacement is never searched again. One pass over the text, no cap.
class FindReplaceAll
{
public:
    // Where each occurrence to replace starts, left to right, so a control
    // can rewrite just those stretches and keep the colours of the text
    // between them.
    static QList<qsizetype> occurrences(QStringView text, QStringView what, qsizetype from,
                                        Qt::CaseSensitivity cs = Qt::CaseSensitive);

    // 合計N個置換しました。
    static QString totalMessage(qsizetype count);
};
