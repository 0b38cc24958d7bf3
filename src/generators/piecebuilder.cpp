#include "generators/piecebuilder.h"

PieceBuilder &PieceBuilder::add(const QString &text, std::optional<SyntaxColor> colour)
{
    if (text.isEmpty())
        return *this;
    if (!m_pieces.isEmpty() && m_pieces.last().colour == colour)
        m_pieces.last().text += text;
    else
        m_pieces.append({text, colour});
    return *this;
}

PieceBuilder &PieceBuilder::append(const PieceList &pieces)
{
    for (const ColouredPiece &piece : pieces)
        add(piece.text, piece.colour);
    return *this;
}
