#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QObject;

// Menus and their items carry their IDM_ names as object names, so that a
// command can be run by name on any window.
class MenuItem
{
public:
    static QMenu *addMenu(QObject *owner, const char *name, const QString &caption);
    static QAction *add(QMenu *menu, const char *name, const QString &caption,
                        const QKeySequence &shortcut = QKeySequence());
    static QMenu *addSubMenu(QMenu *menu, const char *name, const QString &caption);
};
