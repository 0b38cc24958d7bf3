#pragma once

#include "generators/tablesettings.h"
#include "shared/syntaxcolor.h"

#include <QString>
#include <QStringView>

#include <optional>

// The skeleton of a table: the start tag with its border and colours, rows of
// empty cells, the end tag.
class TableMarkup
{
public:
    // Larger tables are refused: building and colouring them would hold the
    // editor for minutes.
    static constexpr qsizetype MaxCells = 100000;

    // The number a box's text begins with (blanks before it allowed, a
    // fraction and a sign too); 0 for text that begins with none.
    static double leadingNumber(QStringView text);
    // The count of rows or columns: the leading number rounded, halves to
    // even; never below 0.
    static qsizetype count(QStringView text);

    // The spin buttons: "▲" adds one; "▼" takes one away only from a value
    // above 0, and otherwise leaves the text as it is.
    static QString stepUp(QStringView text);
    static QString stepDown(QStringView text);

    // Whether the table would have more than MaxCells cells. A row without
    // cells counts as one, so a million empty rows are refused too.
    static bool tooLarge(const TableSettings &settings);
    static QString tooLargeMessage();

    // The table's pieces; none when it is too large.
    static std::optional<PieceList> build(const TableSettings &settings);
};
