#include "editing/typingpieces.h"

namespace {

ColouredPiece colourOnly(SyntaxColor colour)
{
    return {QString(), colour};
}

ColouredPiece plain(const QString &text)
{
    return {text, std::nullopt};
}

} // namespace

PieceList TypingPieces::tagOpen()
{
    return {plain(QStringLiteral("<")), colourOnly(SyntaxColor::Blue)};
}

PieceList TypingPieces::tagClose()
{
    return {{QStringLiteral(">"), SyntaxColor::Black}};
}

PieceList TypingPieces::bang()
{
    return {{QStringLiteral("!"), SyntaxColor::Red}};
}

PieceList TypingPieces::quote(bool inQuote)
{
    if (inQuote)
        return {plain(QStringLiteral("\"")), colourOnly(SyntaxColor::Purple)};
    return {{QStringLiteral("\""), SyntaxColor::Green}};
}

PieceList TypingPieces::attributeBlank(const QString &tagName)
{
    return {plain(QStringLiteral(" ")),
            colourOnly(tagName == QLatin1String("!doctype") ? SyntaxColor::Red : SyntaxColor::Purple)};
}

PieceList TypingPieces::attributeWithValue(const QString &name)
{
    return {plain(name + QLatin1Char('=')), colourOnly(SyntaxColor::Green)};
}
