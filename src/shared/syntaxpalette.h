#pragma once

#include "shared/syntaxcolor.h"

#include <QColor>

// Maps the syntax palette onto real colours. Default maps to an invalid
// colour, meaning "the edit control's own text colour".
class SyntaxPalette
{
public:
    static QColor toQColor(SyntaxColor colour);
};
