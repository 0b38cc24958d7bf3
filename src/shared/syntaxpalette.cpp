#include "shared/syntaxpalette.h"

QColor SyntaxPalette::toQColor(SyntaxColor colour)
{
    switch (colour) {
    case SyntaxColor::Default:
        return QColor();
    case SyntaxColor::Blue:
        return QColor(0, 0, 255);
    case SyntaxColor::Green:
        return QColor(0, 150, 0);
    case SyntaxColor::Red:
        return QColor(255, 0, 0);
    case SyntaxColor::Purple:
        return QColor(50, 0, 170);
    case SyntaxColor::Black:
        return QColor(0, 0, 0);
    }
    return QColor();
}
