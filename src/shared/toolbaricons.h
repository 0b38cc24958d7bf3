#pragma once

#include <QIcon>
#include <QString>

// The pictures on the toolbar buttons, by the button's key. Each is a small
// drawing shipped with the program; where the drawings cannot be read (no SVG
// support installed) a lettered badge drawn here takes its place, so that no
// button is ever blank.
class ToolbarIcons
{
public:
    // True if a drawing exists for this key.
    static bool has(const QString &key);
    // The button's picture; a lettered badge for a key without a drawing.
    static QIcon icon(const QString &key);
    // The lettered badge alone (what shows without SVG support).
    static QIcon badge(const QString &key);
};
