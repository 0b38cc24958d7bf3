#pragma once

#include <QString>
#include <QStringView>

#include <utility>
#include <vector>

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
    // splitting characters as marked stand-ins. Each line break starts a line
    // of its own, never the continuation of a long one.
    static void insert(QTextCursor &cursor, const QString &text, const QTextCharFormat &format);
    // Replaces the whole content (with "\n" line breaks); not an undoable
    // step. A soft break goes in at each of `softCuts` (ascending positions of
    // the text, none at a line break); gives the numbers of the blocks that
    // continue a line.
    static std::vector<int> setContent(QTextDocument *document, const QString &text,
                                       const std::vector<qsizetype> &softCuts = {});
    // The text between two positions with each line break written as
    // `lineBreak`, the separators at `softSeparators` (ascending positions)
    // left out and every marked stand-in given back as its original.
    static QString text(const QTextDocument *document, int from, int to, QStringView lineBreak,
                        const std::vector<int> &softSeparators = {});

    // The same text in two steps. raw() copies what the document holds, on
    // the document's thread, and little more; text() does the work that
    // grows with the document, on any thread.
    struct RawText {
        QString raw;
        int from = 0;
        std::vector<std::pair<int, QChar>> standIns; // position, the original
        std::vector<int> softSeparators;
        QString text(QStringView lineBreak) const;
    };
    static RawText raw(const QTextDocument *document, int from, int to, std::vector<int> softSeparators = {});

    // False when no character of the document was ever marked; cheap.
    static bool mayHoldMarks(const QTextDocument *document);
    static bool isMarked(const QTextCharFormat &format);
    static void unmark(QTextCharFormat &format);
};
