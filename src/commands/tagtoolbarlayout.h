#pragma once

#include <QString>
#include <QVector>

// One entry of a tag toolbar button's drop-down menu.
struct TagToolbarEntry {
    QString key;     // passed to the dispatch when the entry is chosen
    QString caption; // shown in the menu, and its accessible name
};

// One place on the tag toolbar: a button, or a separator between groups.
struct TagToolbarButton {
    bool separator = false;
    QString key;            // the button's object name and dispatch key; empty for a separator
    QString toolTip;        // empty where the button has none
    QString accessibleName; // what a screen reader says: the tooltip, or what the button runs
    QVector<TagToolbarEntry> menu; // the drop-down entries; empty for a plain button

    bool hasDropDown() const { return !menu.isEmpty(); }
};

// The tag toolbar Toolbar5 as data: its 23 places in order, separators
// included, with the drop-down entries of the seven drop-down buttons.
class TagToolbarLayout
{
public:
    static const QVector<TagToolbarButton> &buttons();
};
