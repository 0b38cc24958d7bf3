#include "generators/colourchoice.h"

#include "colours/colourcode.h"
#include "document/form1.h"

QString ColourChoice::ask(Form1 *target, const QString &current)
{
    quint32 colour = 0;
    return ask(target, current, colour);
}

QString ColourChoice::ask(Form1 *target, const QString &current, quint32 &coldat)
{
    if (!target)
        return current;
    return ColourCode::afterChoice(current, target->binColorPut(coldat));
}
