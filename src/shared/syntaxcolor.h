#pragma once

#include <QString>
#include <QVector>

#include <cstdint>
#include <optional>

// The syntax palette. Default is the edit control's own text colour (index 0 of
// the palette); Black is the explicit colour (0, 0, 0) that the typing rules set.
enum class SyntaxColor : std::uint8_t {
    Default = 0,
    Blue = 1,   // tag names
    Green = 2,  // quoted attribute values
    Red = 3,    // declarations and comments
    Purple = 4, // attribute names
    Black = 5,
};

// One piece of markup to insert. Without a colour the piece takes the caret's
// current typing colour.
struct ColouredPiece {
    QString text;
    std::optional<SyntaxColor> colour;

    bool operator==(const ColouredPiece &other) const
    {
        return text == other.text && colour == other.colour;
    }
};

using PieceList = QVector<ColouredPiece>;

// A stretch of text in one colour, in positions of the text that was scanned.
struct ColourRun {
    qsizetype start = 0;
    qsizetype length = 0;
    SyntaxColor colour = SyntaxColor::Default;

    bool operator==(const ColourRun &other) const
    {
        return start == other.start && length == other.length && colour == other.colour;
    }
};

using ColourRuns = QVector<ColourRun>;
