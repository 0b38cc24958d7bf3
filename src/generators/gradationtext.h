#pragma once

#include "colours/colourcode.h"
#include "shared/syntaxcolor.h"

#include <QString>
#include <QVector>

// Text whose every character has its own colour, in equal steps from a start
// colour towards an end colour. A character is a Unicode code point, so a
// surrogate pair stays whole.
class GradationText
{
public:
    enum class Output { Font, Span };

    // One character of the text: where it stands (in UTF-16 units, as the
    // preview addresses it) and its colour.
    struct Cell {
        qsizetype start = 0;
        qsizetype length = 0;
        Rgb colour;

        bool operator==(const Cell &other) const
        {
            return start == other.start && length == other.length && colour == other.colour;
        }
    };

    // Channel value of character i of n: start + (end - start) / n * i,
    // rounded to the nearest whole number, halves to even. The divisor is n,
    // so the last character stops one step short of the end colour.
    static Rgb colourAt(Rgb start, Rgb end, qsizetype count, qsizetype index);

    // The characters with their colours; the preview and the markup both use
    // them, so they always agree.
    static QVector<Cell> cells(const QString &text, Rgb start, Rgb end);

    // One element per character: `<font color="#RRGGBB">A</font>` or
    // `<span style="color:#RRGGBB;">A</span>`, with "&", "<" and ">" written
    // as entities. Empty text gives no pieces.
    static PieceList pieces(const QString &text, Rgb start, Rgb end, Output output);

    // The components after a colour choice that returned `digits`; a cancelled
    // choice ("-1") keeps the colour there was.
    static Rgb afterChoice(Rgb current, const QString &digits);
};
