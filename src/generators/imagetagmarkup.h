#pragma once

#include "generators/imagetagsettings.h"
#include "shared/syntaxcolor.h"

#include <QString>

// The img tag and the texts the dialog fills in for a chosen file.
class ImageTagMarkup
{
public:
    // The file size in kilobytes, cut (not rounded) after two decimals, with
    // no point for a whole number: 12345 bytes give "12.05", 2048 give "2".
    static QString kilobytes(qint64 bytes);
    // The suggested alt: the src and a blank when there is one, then the size.
    static QString altText(const QString &src, qint64 bytes);

    // `<img src=".." width=".." height=".." alt=".." border="0">`, each
    // attribute only when its box has text. A double quote in a value is
    // written as &quot; so it can't end the attribute early.
    static PieceList pieces(const ImageTagSettings &settings);
};
