#pragma once

#include <QString>

class Form1;

// What every colour button of the generator dialogs does: the full-colour
// dialog of the target window, and the text its colour box shows afterwards.
class ColourChoice
{
public:
    // "#RRGGBB" for a chosen colour; `current` unchanged when the user cancelled
    // (a box never reads "#-1").
    static QString ask(Form1 *target, const QString &current);
};
