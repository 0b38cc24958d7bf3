#include "generators/colourchoice.h"

#include "colours/colourcode.h"
#include "document/documentwindow.h"

QString ColourChoice::ask(DocumentWindow *target, const QString &current)
{
    quint32 colour = 0;
    return ask(target, current, colour);
}

QString ColourChoice::ask(DocumentWindow *target, const QString &current, quint32 &coldat)
{
    if (!target)
        return current;
    return ColourCode::afterChoice(current, target->binColorPut(coldat));
}
