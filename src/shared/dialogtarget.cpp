#include "shared/dialogtarget.h"

#include "document/form1.h"
#include "document/richtextbox1.h"
#include "shared/formregistry.h"
#include "shared/module1.h"
#include "shared/targetlookup.h"

Form1 *DialogTarget::attach(QWidget *dialog)
{
    FormRegistry::add(dialog);
    Form1 *target = TargetLookup::fromTargetKey();
    Module1::TargetForm = target;
    return target;
}

void DialogTarget::returnFocus(Form1 *target)
{
    if (target && target->richTextBox1()->isVisible())
        target->richTextBox1()->setFocus();
}
