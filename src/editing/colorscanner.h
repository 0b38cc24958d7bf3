#pragma once

#include "shared/syntaxcolor.h"

#include <QStringView>

#include <functional>

// Whole-document colouring of a freshly opened file, as one pass over its text.
// The text has each line break as a single '\n'; mapping the run positions back
// to the edit control's offsets is the caller's business.
class ColorScanner
{
public:
    // Maximal runs of one colour, covering the whole text from position 0 in
    // order; the text before the first colour change is SyntaxColor::Default.
    // An empty text gives no runs.
    static ColourRuns scan(QStringView text);
    // The same runs, handed to `each` in order as they are found: a large
    // page's runs then never need to be held all at once.
    static void scan(QStringView text, const std::function<void(const ColourRun &)> &each);
};
