#include "shared/dialogtarget.h"

#include "document/form1.h"
#include "document/richtextbox1.h"
#include "shared/formregistry.h"
#include "shared/module1.h"
#include "shared/targetlookup.h"

Form1 *DialogTarget::attach(QWidget *dialog)
{
    FormRegistry::add(dialog);
    return find();
}

Form1 *DialogTarget::find()
{
    Form1 *target = TargetLookup::fromTargetKey();
    Module1::TargetForm = target;
    return target;
}

void DialogTarget::returnFocus(Form1 *target)
{
    if (!target || !target->richTextBox1()->isVisible())
        return;
    // Not every window manager hands activation back to the window the
    // dialog came from; without it the keys would go nowhere.
    target->window()->activateWindow();
    target->richTextBox1()->setFocus();
}
