#pragma once

#include "shared/syntaxcolor.h"

#include <QString>

#include <optional>

// Collects markup pieces. A piece in the same colour as the one before it is
// joined to it, so a large table reaches the edit control as a few thousand
// pieces rather than tens of thousands; empty pieces are dropped.
class PieceBuilder
{
public:
    // In the caret's current colour.
    PieceBuilder &plain(const QString &text) { return add(text, std::nullopt); }
    PieceBuilder &blue(const QString &text) { return add(text, SyntaxColor::Blue); }
    PieceBuilder &green(const QString &text) { return add(text, SyntaxColor::Green); }
    PieceBuilder &red(const QString &text) { return add(text, SyntaxColor::Red); }
    PieceBuilder &purple(const QString &text) { return add(text, SyntaxColor::Purple); }
    PieceBuilder &black(const QString &text) { return add(text, SyntaxColor::Black); }

    PieceBuilder &add(const QString &text, std::optional<SyntaxColor> colour);
    PieceBuilder &append(const PieceList &pieces);

    const PieceList &pieces() const { return m_pieces; }
    PieceList take() { return std::move(m_pieces); }

private:
    PieceList m_pieces;
};
