#pragma once

#include <QString>
#include <QStringView>

class QTextCharFormat;
class QTextCursor;
class QTextDocument;

// The edit control's document splits its blocks at U+2029, U+FDD0 and U+FDD1
// whatever inserts them, yet in a page they are ordinary characters. Each is
// held as a private-use stand-in whose format records the character it stands
// for; the mark travels with the character through undo, redo and colouring,
// and only a marked stand-in is given back as the original.
class StandInCharacters
{
public:
    static constexpr char16_t StandIn = 0xF8F0;

    static bool isSplitting(QChar ch);
    static bool containsSplitting(QStringView text);

    // Inserts text with "\n" line breaks at the cursor in `format`, holding the
    // splitting characters as marked stand-ins.
    static void insert(QTextCursor &cursor, const QString &text, const QTextCharFormat &format);
    // Replaces the whole content; not an undoable step.
    static void setContent(QTextDocument *document, const QString &text);
    // The text between two positions with each line break written as
    // `lineBreak` and every marked stand-in given back as its original.
    static QString text(const QTextDocument *document, int from, int to, QStringView lineBreak);

    // False when no character of the document was ever marked; cheap.
    static bool mayHoldMarks(const QTextDocument *document);
    static bool isMarked(const QTextCharFormat &format);
    static void unmark(QTextCharFormat &format);
};
