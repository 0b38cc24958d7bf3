#include "generators/colourchoice.h"

#include "colours/colourcode.h"
#include "document/form1.h"

QString ColourChoice::ask(Form1 *target, const QString &current)
{
    if (!target)
        return current;
    quint32 colour = 0;
    return ColourCode::afterChoice(current, target->binColorPut(colour));
}
