#pragma once

#include "shared/syntaxcolor.h"

#include <QString>

// Draws what a list of pieces writes as one letter per character, for the
// colour the character ends up in: a piece without a colour takes the colour
// set before it. "." is the colour already in effect at the caret, then
// b blue, g green, r red, p purple, k black, d the control's own colour.
inline QString piecePicture(const PieceList &pieces)
{
    QChar current = QLatin1Char('.');
    QString picture;
    for (const ColouredPiece &piece : pieces) {
        if (piece.colour) {
            switch (*piece.colour) {
            case SyntaxColor::Default: current = QLatin1Char('d'); break;
            case SyntaxColor::Blue: current = QLatin1Char('b'); break;
            case SyntaxColor::Green: current = QLatin1Char('g'); break;
            case SyntaxColor::Red: current = QLatin1Char('r'); break;
            case SyntaxColor::Purple: current = QLatin1Char('p'); break;
            case SyntaxColor::Black: current = QLatin1Char('k'); break;
            }
        }
        picture += QString(piece.text.size(), current);
    }
    return picture;
}

inline QString pieceText(const PieceList &pieces)
{
    QString text;
    for (const ColouredPiece &piece : pieces)
        text += piece.text;
    return text;
}
