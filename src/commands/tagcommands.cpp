#include "commands/tagcommands.h"

namespace {

struct TagShape {
    QLatin1String name;
    QLatin1String attribute; // with its "=", empty when the tag has none
    QLatin1String value;     // without its quotes
};

TagShape shapeOf(TagKind kind)
{
    const QLatin1String none;
    switch (kind) {
    case TagKind::Strong:
        return {QLatin1String("strong"), none, none};
    case TagKind::Bold:
        return {QLatin1String("b"), none, none};
    case TagKind::Italic:
        return {QLatin1String("i"), none, none};
    case TagKind::Em:
        return {QLatin1String("em"), none, none};
    case TagKind::Underline:
        return {QLatin1String("u"), none, none};
    case TagKind::Strike:
        return {QLatin1String("s"), none, none};
    case TagKind::Strikes:
        return {QLatin1String("strike"), none, none};
    case TagKind::Del:
        return {QLatin1String("del"), none, none};
    case TagKind::P:
        return {QLatin1String("p"), none, none};
    case TagKind::PRight:
        return {QLatin1String("p"), QLatin1String("align="), QLatin1String("right")};
    case TagKind::PCenter:
        return {QLatin1String("p"), QLatin1String("align="), QLatin1String("center")};
    case TagKind::PLeft:
        return {QLatin1String("p"), QLatin1String("align="), QLatin1String("left")};
    case TagKind::StyleBold:
        return {QLatin1String("span"), QLatin1String("style="), QLatin1String("font-weight: bold;")};
    case TagKind::StyleItalic:
        return {QLatin1String("span"), QLatin1String("style="), QLatin1String("font-style: italic;")};
    case TagKind::StyleUnderline:
        return {QLatin1String("span"), QLatin1String("style="), QLatin1String("text-decoration: underline;")};
    case TagKind::A:
        // The link target is left for the user to type between the quotes.
        return {QLatin1String("a"), QLatin1String("href="), none};
    case TagKind::Heading:
        break;
    }
    return {QLatin1String("h"), none, none};
}

ColouredPiece inCurrentColour(const QString &text)
{
    return {text, std::nullopt};
}

} // namespace

TagInsertion TagCommands::wrap(TagKind kind, const QString &selected, int level)
{
    const TagShape shape = shapeOf(kind);
    QString name = shape.name;
    if (kind == TagKind::Heading)
        name += QString::number(qAbs(qint64(level)));
    const bool hasAttribute = !shape.attribute.isEmpty();

    TagInsertion insertion;
    PieceList &pieces = insertion.pieces;
    pieces.append(inCurrentColour(QStringLiteral("<")));
    // The blank after a name with attributes belongs to the blue name.
    pieces.append({hasAttribute ? name + QLatin1Char(' ') : name, SyntaxColor::Blue});
    if (hasAttribute) {
        pieces.append({shape.attribute, SyntaxColor::Purple});
        pieces.append({QLatin1Char('"') + shape.value + QLatin1Char('"'), SyntaxColor::Green});
    }
    pieces.append({QStringLiteral(">"), SyntaxColor::Black});
    if (!selected.isEmpty())
        pieces.append(inCurrentColour(selected));

    const QString closingName = QLatin1Char('/') + name;
    pieces.append(inCurrentColour(QStringLiteral("<")));
    pieces.append({closingName, SyntaxColor::Blue});
    pieces.append({QStringLiteral(">"), SyntaxColor::Black});

    // "<" + "/name" + ">": right for every tag and any heading level.
    insertion.caretBack = closingName.size() + 2;
    return insertion;
}

TagInsertion TagCommands::br()
{
    TagInsertion insertion;
    insertion.pieces = {inCurrentColour(QStringLiteral("<")),
                        {QStringLiteral("br"), SyntaxColor::Blue},
                        {QStringLiteral(">"), SyntaxColor::Black}};
    return insertion;
}
