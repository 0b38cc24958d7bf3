#include "document/targetlookup.h"

#include "document/documentwindow.h"
#include "shared/formregistry.h"
#include "shared/module1.h"

DocumentWindow *TargetLookup::documentByKey(const QString &key)
{
    if (key.isEmpty())
        return nullptr;
    return qobject_cast<DocumentWindow *>(FormRegistry::findByKey(key));
}

DocumentWindow *TargetLookup::fromTargetKey()
{
    return documentByKey(Module1::TargetKey);
}

DocumentWindow *TargetLookup::targetForm()
{
    return qobject_cast<DocumentWindow *>(Module1::TargetForm.data());
}
