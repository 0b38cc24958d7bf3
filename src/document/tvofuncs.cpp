#include "document/tvofuncs.h"

#include "document/documentframe.h"
#include "document/documentwindow.h"
#include "shared/module1.h"

#include <QAction>

void tvoFuncs::ToggleEditCommands()
{
    DocumentFrame *frame = DocumentFrame::instance();
    if (!frame)
        return;
    QAction *open = frame->toolbarButton(5);
    const bool enable = !(open && open->isEnabled());
    Module1::EditEnabled = enable;
    frame->setEditCommandsEnabled(enable);

    static const char *const items[] = {"IDM_SAVE",     "IDM_SAVEAS",   "IDM_ALLSAVE",       "IDM_FILECLOSE",
                                        "IDM_ALLCLOSE", "IDM_PRINT",    "IDM_EDIT",          "IDM_VIEW",
                                        "IDM_ADD",      "IDM_SEARCH",   "IDM_LINK_CHK",      "IDM_CHK_GRAM",
                                        "IDM_MAKE_GRADATION", "IDM_CREATE_BACKUP", "IDM_WINDOW", "IDM_HELP"};
    if (auto *target = qobject_cast<DocumentWindow *>(Module1::TargetForm.data()))
        for (const char *name : items)
            if (QAction *action = target->menuItem(QString::fromLatin1(name)))
                action->setEnabled(enable);
}
