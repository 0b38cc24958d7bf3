#include "document/standincharacters.h"

#include "document/softbreaks.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <vector>

namespace {
constexpr int MarkProperty = QTextFormat::UserProperty + 0x2029;

QTextCharFormat marked(QTextCharFormat format, QChar original)
{
    format.setProperty(MarkProperty, int(original.unicode()));
    return format;
}

// Positions of the marked stand-ins between two positions, in order.
std::vector<std::pair<int, QChar>> markedStandIns(const QTextDocument *document, int from, int to)
{
    std::vector<std::pair<int, QChar>> found;
    for (QTextBlock block = document->findBlock(from); block.isValid() && block.position() < to; block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!StandInCharacters::isMarked(fragment.charFormat()))
                continue;
            const QChar original(char16_t(fragment.charFormat().intProperty(MarkProperty)));
            const QString text = fragment.text();
            for (int i = 0; i < text.size(); ++i) {
                const int position = fragment.position() + i;
                if (position >= from && position < to && text.at(i) == QChar(StandInCharacters::StandIn))
                    found.emplace_back(position, original);
            }
        }
    }
    return found;
}
}

bool StandInCharacters::isSplitting(QChar ch)
{
    return ch == QChar::ParagraphSeparator || ch.unicode() == 0xFDD0 || ch.unicode() == 0xFDD1;
}

bool StandInCharacters::containsSplitting(QStringView text)
{
    for (QChar ch : text)
        if (isSplitting(ch))
            return true;
    return false;
}

bool StandInCharacters::mayHoldMarks(const QTextDocument *document)
{
    const QList<QTextFormat> formats = document->allFormats();
    return std::any_of(formats.cbegin(), formats.cend(),
                       [](const QTextFormat &format) { return format.hasProperty(MarkProperty); });
}

bool StandInCharacters::isMarked(const QTextCharFormat &format)
{
    return format.hasProperty(MarkProperty);
}

void StandInCharacters::unmark(QTextCharFormat &format)
{
    format.clearProperty(MarkProperty);
}

void StandInCharacters::insert(QTextCursor &cursor, const QString &text, const QTextCharFormat &format)
{
    QTextCharFormat plain = format;
    unmark(plain);
    // A line break typed into an ordinary line is Qt's own insertion, in
    // one pass; into a piece of a long line, the new block must not take
    // over the piece's mark.
    const QTextBlock target = cursor.document()->findBlock(cursor.selectionStart());
    if (!containsSplitting(text) && !SoftBreaks::continuesLine(target)) {
        cursor.insertText(text, plain);
        return;
    }
    // The selection goes even when nothing comes in its place.
    if (cursor.hasSelection())
        cursor.removeSelectedText();
    // Qt gives a block made by a "\n" in the text the format of the block it
    // was split from, soft-break mark and all; each break goes in on its own.
    auto insertLine = [&](QStringView line) {
        if (!containsSplitting(line)) {
            if (!line.isEmpty())
                cursor.insertText(line.toString(), plain);
            return;
        }
        qsizetype start = 0;
        for (qsizetype i = 0; i <= line.size(); ++i) {
            if (i < line.size() && !isSplitting(line.at(i)))
                continue;
            if (i > start)
                cursor.insertText(line.mid(start, i - start).toString(), plain);
            if (i < line.size())
                cursor.insertText(QString(QChar(StandIn)), marked(plain, line.at(i)));
            start = i + 1;
        }
    };
    qsizetype start = 0;
    for (qsizetype i = text.indexOf(QLatin1Char('\n')); i >= 0; i = text.indexOf(QLatin1Char('\n'), start)) {
        insertLine(QStringView(text).mid(start, i - start));
        cursor.insertBlock(SoftBreaks::unmarked(cursor.blockFormat()), plain);
        start = i + 1;
    }
    insertLine(QStringView(text).mid(start));
}

std::vector<int> StandInCharacters::setContent(QTextDocument *document, const QString &text,
                                              const std::vector<qsizetype> &softCuts)
{
    std::vector<int> continuations;
    if (!containsSplitting(text) && softCuts.empty()) {
        document->setPlainText(text);
        return continuations;
    }
    QString held;
    held.reserve(text.size() + qsizetype(softCuts.size()));
    std::vector<std::pair<int, QChar>> originals;
    int blockNumber = 0;
    if (!containsSplitting(text)) {
        // Whole stretches between the cuts: a large page goes in at copying speed.
        qsizetype start = 0;
        for (const qsizetype cut : softCuts) {
            const QStringView stretch = QStringView(text).mid(start, cut - start);
            blockNumber += int(stretch.count(QLatin1Char('\n')));
            held.append(stretch);
            held.append(QLatin1Char('\n'));
            continuations.push_back(++blockNumber);
            start = cut;
        }
        held.append(QStringView(text).mid(start));
    } else {
        size_t nextCut = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (nextCut < softCuts.size() && softCuts[nextCut] == i) {
                held.append(QLatin1Char('\n'));
                continuations.push_back(++blockNumber);
                ++nextCut;
            }
            const QChar ch = text.at(i);
            if (ch == QLatin1Char('\n')) {
                ++blockNumber;
                held.append(ch);
            } else if (isSplitting(ch)) {
                originals.emplace_back(int(held.size()), ch);
                held.append(QChar(StandIn));
            } else {
                held.append(ch);
            }
        }
    }
    document->setPlainText(held);
    // Loading is no step the user could undo; the history is empty here anyway.
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    // One edit: the layout hears of one change instead of laying out each
    // marked block on its own.
    cursor.beginEditBlock();
    for (const auto &[position, original] : originals) {
        cursor.setPosition(position);
        cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setProperty(MarkProperty, int(original.unicode()));
        cursor.mergeCharFormat(format);
    }
    for (const int number : continuations) {
        cursor.setPosition(document->findBlockByNumber(number).position());
        cursor.setBlockFormat(SoftBreaks::marked(cursor.blockFormat()));
    }
    cursor.endEditBlock();
    document->setUndoRedoEnabled(true);
    return continuations;
}

QString StandInCharacters::text(const QTextDocument *document, int from, int to, QStringView lineBreak,
                                const std::vector<int> &softSeparators)
{
    return raw(document, from, to, softSeparators).text(lineBreak);
}

StandInCharacters::RawText StandInCharacters::raw(const QTextDocument *document, int from, int to,
                                                  std::vector<int> softSeparators)
{
    RawText part;
    if (from <= 0 && to >= document->characterCount() - 1) {
        from = 0;
        part.raw = document->toRawText();
    } else {
        QTextCursor cursor(const_cast<QTextDocument *>(document));
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        part.raw = cursor.selectedText();
    }
    part.from = from;
    if (part.raw.contains(QChar(StandIn)))
        part.standIns = markedStandIns(document, from, from + int(part.raw.size()));
    part.softSeparators = std::move(softSeparators);
    return part;
}

QString StandInCharacters::RawText::text(QStringView lineBreak) const
{
    // One pass, copying the stretches between line breaks whole:
    // QString::replace() with a longer text moves the tail once per thousand
    // line breaks, and a character at a time costs a large page a tenth of a
    // second.
    QString out;
    out.reserve(raw.size() + raw.count(QChar::ParagraphSeparator) * (lineBreak.size() - 1));
    const QStringView view(raw);
    size_t next = 0;
    size_t nextSoft = 0;
    qsizetype i = 0;
    while (i < view.size()) {
        qsizetype stop = view.indexOf(QChar::ParagraphSeparator, i);
        if (stop < 0)
            stop = view.size();
        if (next < standIns.size())
            stop = qMin(stop, qsizetype(standIns[next].first) - from);
        out.append(view.sliced(i, stop - i));
        if (stop == view.size())
            break;
        if (next < standIns.size() && standIns[next].first == from + stop) {
            out.append(standIns[next++].second);
        } else {
            while (nextSoft < softSeparators.size() && softSeparators[nextSoft] < from + stop)
                ++nextSoft;
            if (nextSoft < softSeparators.size() && softSeparators[nextSoft] == from + stop)
                ++nextSoft; // a soft break is no character of the text
            else
                out.append(lineBreak);
        }
        i = stop + 1;
    }
    return out;
}
