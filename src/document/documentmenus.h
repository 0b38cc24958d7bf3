#pragma once

#include <QList>

class EditMenu;
class Form1;
class MDIForm1;
class QMenu;

// The document window's menu bar, which the frame shows while the window is
// active: every item carries its IDM_ name and runs a handler of the window
// or of the frame.
class DocumentMenus
{
public:
    struct Built {
        QList<QMenu *> menus;
        EditMenu *editMenu = nullptr;
    };

    static Built build(Form1 *form, MDIForm1 *frame);
};
