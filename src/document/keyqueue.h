#pragma once

#include <QString>

class QWidget;

// Key presses queued to a widget, handled after the current handler returns
// by the same handlers as typed keys.
class KeyQueue
{
public:
    // Understands "{BS}" and plain characters.
    static void post(QWidget *target, const QString &keys);
};
