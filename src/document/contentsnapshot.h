#pragma once

#include "checks/restorepoint.h"
#include "checks/textrange.h"

#include <vector>

class QTextDocument;

// The whole page of the edit control's document as a restore point holds
// it: the text with "\n" line breaks, no soft breaks and the originals of the
// stand-ins; the colours of the text and the link marks in positions of that
// text. One walk over the document's pieces, whatever their number: a
// coloured page of ten megabytes holds more than a million.
class ContentSnapshot
{
public:
    // `softSeparators`: ascending Qt positions of the soft breaks; `marks`:
    // the link marks in Qt positions, in order.
    static RestorePoint::Snapshot capture(const QTextDocument *document, const std::vector<int> &softSeparators,
                                          const TextRanges &marks);

    // The colours of the document's text in positions without the soft
    // breaks: a run for each stretch of one syntax colour, line breaks
    // between them, touching runs of one colour joined.
    static ColourRuns colours(const QTextDocument *document, const std::vector<int> &softSeparators);

    // The document's raw text between two positions (line breaks, soft
    // breaks and stand-ins as the document holds them), in time that grows
    // with the stretch, not with the page.
    static QString rawText(const QTextDocument *document, int from, int to);
};
