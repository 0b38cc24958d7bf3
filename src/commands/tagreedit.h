#pragma once

#include "checks/textrange.h"

#include <QString>

#include <optional>

// What the tag re-edit (F1) makes of a selection: which dialogs its text asks
// for, and which table of the source a table re-edit replaces.
class TagReedit
{
public:
    // The dialogs a selection asks for. More than one can apply; they open
    // in the order of the members.
    struct Plan {
        // No "<" in the selection: the user gets a warning and nothing opens.
        bool needsTag = false;
        bool image = false;
        bool pageSettings = false;
        bool table = false;

        bool operator==(const Plan &other) const
        {
            return needsTag == other.needsTag && image == other.image && pageSettings == other.pageSettings
                && table == other.table;
        }
    };

    // Words anywhere in the selection decide, letter case ignored: "img" asks
    // for the image dialog, "title" for the page settings, "table" for the
    // table dialog.
    static Plan plan(const QString &selected);

    // The "<table" ... "</table>" that a table re-edit of the selection
    // [selStart, selStart + selLength) replaces, in offsets of `text`:
    //  - the innermost table holding the selection (blanks at its two ends
    //    left out, so a table selected with its line break still counts),
    //  - else the first table whose start tag begins inside the selection,
    //  - else the innermost table the selection starts in and leaves.
    // None when no such table is there, or when it is never closed. Only
    // the markup around the selection is read, outwards from it; every
    // character is looked at a bounded number of times.
    static std::optional<TextRange> table(const QString &text, qsizetype selStart, qsizetype selLength);
};
