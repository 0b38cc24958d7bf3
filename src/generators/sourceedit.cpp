#include "generators/sourceedit.h"

QString piecesText(const PieceList &pieces)
{
    qsizetype length = 0;
    for (const ColouredPiece &piece : pieces)
        length += piece.text.size();
    QString text;
    text.reserve(length);
    for (const ColouredPiece &piece : pieces)
        text += piece.text;
    return text;
}

QString applyEdits(QString text, const SourceEdits &edits)
{
    for (const SourceEdit &edit : edits)
        text.replace(edit.position, edit.removed, piecesText(edit.pieces));
    return text;
}
