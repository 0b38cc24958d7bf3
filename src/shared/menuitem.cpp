#include "shared/menuitem.h"

#include <QAction>
#include <QMenu>

QMenu *MenuItem::addMenu(QObject *owner, const char *name, const QString &caption)
{
    auto *menu = new QMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    // The menu is not a child widget (it is shown on the frame's menu bar), so
    // tie its lifetime to its owner by hand.
    QObject::connect(owner, &QObject::destroyed, menu, &QObject::deleteLater);
    return menu;
}

QAction *MenuItem::add(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

QMenu *MenuItem::addSubMenu(QMenu *menu, const char *name, const QString &caption)
{
    QMenu *sub = menu->addMenu(caption);
    sub->setObjectName(QString::fromLatin1(name));
    sub->menuAction()->setObjectName(QString::fromLatin1(name));
    return sub;
}
