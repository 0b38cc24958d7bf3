#include "document/contentsnapshot.h"

#include "document/standincharacters.h"
#include "shared/syntaxpalette.h"

#include <QTextCharFormat>
#include <QTextDocument>

#include <algorithm>

// The document's own list of pieces, walked in order with positions summed
// on the way: asking each piece for its position and format costs a tree
// walk and a format copy, seconds on a large page.
#include <QtGui/private/qtextdocument_p.h>

namespace {

SyntaxColor syntaxColourOf(const QTextCharFormat &format)
{
    if (!format.hasProperty(QTextFormat::ForegroundBrush))
        return SyntaxColor::Default;
    const QColor colour = format.foreground().color();
    for (int i = 1; i <= int(SyntaxColor::Black); ++i)
        if (SyntaxPalette::toQColor(SyntaxColor(i)) == colour)
            return SyntaxColor(i);
    return SyntaxColor::Default;
}

bool isBlockSeparator(QChar ch)
{
    // Qt's own separators: the end of a block, and the two frame marks.
    return ch == QChar::ParagraphSeparator || ch.unicode() == 0xFDD0 || ch.unicode() == 0xFDD1;
}

} // namespace

ColourRuns ContentSnapshot::colours(const QTextDocument *document, const std::vector<int> &softSeparators)
{
    const QTextDocumentPrivate *priv = QTextDocumentPrivate::get(document);
    const QString buffer = priv->buffer(); // shared, not copied
    const QTextFormatCollection *formats = priv->formatCollection();
    // A page uses a handful of formats: each is looked at once.
    std::vector<signed char> colourOf(size_t(formats->numFormats()), -1);
    auto colourOfFormat = [&](int index) {
        if (index < 0 || size_t(index) >= colourOf.size())
            return SyntaxColor::Default;
        signed char &known = colourOf[size_t(index)];
        if (known < 0)
            known = static_cast<signed char>(syntaxColourOf(formats->charFormat(index)));
        return SyntaxColor(known);
    };

    ColourRuns runs;
    qsizetype position = 0; // Qt position of the piece
    size_t softPassed = 0;  // soft breaks before it
    for (auto it = priv->begin(); it != priv->end(); ++it) {
        const QTextFragmentData *piece = it.value();
        const qsizetype length = piece->size_array[0];
        const qsizetype start = position;
        position += length;
        // A line break is a piece of its own and never takes part in a run.
        if (length == 1 && isBlockSeparator(buffer.at(piece->stringPosition))) {
            if (softPassed < softSeparators.size() && softSeparators[softPassed] == start)
                ++softPassed;
            continue;
        }
        const SyntaxColor colour = colourOfFormat(piece->format);
        if (colour == SyntaxColor::Default)
            continue;
        const qsizetype at = start - qsizetype(softPassed);
        if (!runs.isEmpty() && runs.last().colour == colour && runs.last().start + runs.last().length == at)
            runs.last().length += length;
        else
            runs.append({at, length, colour});
    }
    return runs;
}

QString ContentSnapshot::rawText(const QTextDocument *document, int from, int to)
{
    const QTextDocumentPrivate *priv = QTextDocumentPrivate::get(document);
    const QString buffer = priv->buffer(); // shared, not copied
    QString out;
    out.reserve(qMax(0, to - from));
    auto it = priv->find(from);
    int position = it == priv->end() ? to : it.position();
    for (; it != priv->end() && position < to; ++it) {
        const QTextFragmentData *piece = it.value();
        const int length = int(piece->size_array[0]);
        const int start = qMax(from, position);
        const int end = qMin(to, position + length);
        if (end > start)
            out.append(QStringView(buffer).sliced(piece->stringPosition + (start - position), end - start));
        position += length;
    }
    return out;
}

RestorePoint::Snapshot ContentSnapshot::capture(const QTextDocument *document, const std::vector<int> &softSeparators,
                                                const TextRanges &marks)
{
    RestorePoint::Snapshot content;
    content.text = StandInCharacters::text(document, 0, INT_MAX, u"\n", softSeparators);
    content.colours = colours(document, softSeparators);
    // Marks are in order: the soft breaks before each are counted on the way.
    size_t passed = 0;
    auto withoutSoftBreaks = [&](qsizetype position) {
        while (passed < softSeparators.size() && softSeparators[passed] < position)
            ++passed;
        return position - qsizetype(passed);
    };
    content.linkMarks.reserve(marks.size());
    for (const TextRange &mark : marks) {
        const qsizetype start = withoutSoftBreaks(mark.start);
        content.linkMarks.append({start, withoutSoftBreaks(mark.end()) - start});
    }
    return content;
}
