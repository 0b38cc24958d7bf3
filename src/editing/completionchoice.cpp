#include "editing/completionchoice.h"

bool CompletionChoice::isDeclaration(const QString &entry)
{
    return entry == QLatin1String("!--") || entry == QLatin1String("!doctype");
}

CompletionChoice::Tag CompletionChoice::tagBySpace(const QString &typed, const QString &listed, bool tagCompletion)
{
    Tag tag;
    QString text;
    if (tagCompletion) {
        text = listed.isEmpty() ? typed : listed;
        tag.tagName = listed;
    } else {
        text = typed;
        // Nothing in the list matched: the tag is unknown, whatever was typed.
        tag.tagName = listed.isEmpty() ? QString() : typed;
    }
    ColouredPiece piece{text, std::nullopt};
    if (isDeclaration(listed))
        piece.colour = SyntaxColor::Red;
    tag.pieces = {piece};
    return tag;
}

CompletionChoice::Tag CompletionChoice::tagByEnter(const QString &typed, const QString &listed)
{
    const QString text = listed.isEmpty() ? typed : listed;
    return {{{text, std::nullopt}}, text};
}

QString CompletionChoice::attributeName(const QString &typed, const QString &listed, bool attributeCompletion)
{
    return attributeCompletion && !listed.isEmpty() ? listed : typed;
}

bool CompletionChoice::isNameStart(const QString &name)
{
    return name.size() > 1 && name.endsWith(QLatin1Char('-'));
}
