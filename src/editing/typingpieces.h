#pragma once

#include "shared/syntaxcolor.h"

#include <QString>

// The pieces that the completion keys of the source write, in the colours of
// the syntax palette. A last piece without text only sets the typing colour
// for what the user types next.
class TypingPieces
{
public:
    // "<": the bracket in the current colour; the tag name that follows is blue.
    static PieceList tagOpen();
    // ">": black, and black afterwards.
    static PieceList tagClose();
    // "!": red from here to the next ">".
    static PieceList bang();
    // A double quote: it opens a green value, or closes one in the value's own
    // colour and returns to purple for the next attribute name.
    static PieceList quote(bool inQuote);
    // The blank that opens the attribute list: attribute names are purple,
    // except in a DOCTYPE declaration, which stays red.
    static PieceList attributeBlank(const QString &tagName);
    // An attribute chosen with "=": its value follows in green.
    static PieceList attributeWithValue(const QString &name);
};
