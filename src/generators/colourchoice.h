#pragma once

#include <QString>
#include <QtGlobal>

class DocumentWindow;

// What every colour button of the generator dialogs does: the full-colour
// dialog of the target window, and the text its colour box shows afterwards.
class ColourChoice
{
public:
    // "#RRGGBB" for a chosen colour; `current` unchanged when the user cancelled
    // (a box never reads "#-1").
    static QString ask(DocumentWindow *target, const QString &current);
    // The same, for a button that also keeps the colour value of its choice
    // (red in the low byte): it is set to the chosen colour and left as it
    // was when the user cancelled, so nothing turns black.
    static QString ask(DocumentWindow *target, const QString &current, quint32 &coldat);
};
