#include "shared/targetlookup.h"

#include "document/form1.h"
#include "shared/formregistry.h"
#include "shared/module1.h"

Form1 *TargetLookup::documentByKey(const QString &key)
{
    if (key.isEmpty())
        return nullptr;
    return qobject_cast<Form1 *>(FormRegistry::findByKey(key));
}

Form1 *TargetLookup::fromTargetKey()
{
    return documentByKey(Module1::TargetKey);
}

Form1 *TargetLookup::targetForm()
{
    return qobject_cast<Form1 *>(Module1::TargetForm.data());
}
