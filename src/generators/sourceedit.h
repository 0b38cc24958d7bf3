#pragma once

#include "shared/syntaxcolor.h"

#include <QString>
#include <QVector>

// One change of a source: remove `removed` characters at `position`, then
// insert the pieces there. Positions count a line break as two characters, as
// the edit control's offsets do, and each edit of a list refers to the text as
// the edits before it left it. An edit without pieces only removes.
struct SourceEdit {
    qsizetype position = 0;
    qsizetype removed = 0;
    PieceList pieces;

    bool operator==(const SourceEdit &other) const
    {
        return position == other.position && removed == other.removed && pieces == other.pieces;
    }
};

using SourceEdits = QVector<SourceEdit>;

// The plain text of the pieces, without their colours.
QString piecesText(const PieceList &pieces);

// The text that applying the edits in order leaves.
QString applyEdits(QString text, const SourceEdits &edits);
