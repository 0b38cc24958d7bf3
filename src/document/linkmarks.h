#pragma once

#include "checks/textrange.h"

#include <QList>
#include <QObject>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextBlock;
class QTextDocument;

// The link check's marks on a document: bold, underlined, dark red stretches
// drawn over the text's own colours. They are a way of showing, not a part of
// the text: no edit, no undo step, no change of the modified flag. Each mark
// moves with the text around it and vanishes when its text is deleted.
class LinkMarks : public QObject
{
    Q_OBJECT

public:
    explicit LinkMarks(QTextDocument *document);

    // Adds marks, in Qt positions; marks already there stay.
    void add(const TextRanges &positions);
    void clear();
    // Puts every mark on again, once the document's lines were laid out anew
    // from scratch.
    void showAgain();
    // The marks now standing, in Qt positions: in order, joined, none empty.
    TextRanges ranges() const;

    static QTextCharFormat format();

private:
    void onContentsChange(int position, int removed, int added);
    void showIn(int from, int to);
    void showInBlock(const QTextBlock &block);

    QTextDocument *m_document;
    // In text order, not overlapping; each selects its stretch.
    QList<QTextCursor> m_marks;
};
