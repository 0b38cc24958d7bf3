#pragma once

#include <QString>

class MDIForm1;

// The editing commands and the coding advice: Replace, a conversion written
// back into the source, the advice over a whole page.
namespace EditingFigures {
void run(MDIForm1 &frame, const QString &page10, const QString &page1);
}
