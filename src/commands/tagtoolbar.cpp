#include "commands/tagtoolbar.h"

#include "commands/tagtoolbardispatch.h"
#include "commands/tagtoolbarlayout.h"
#include "document/documentwindow.h"
#include "shared/formregistry.h"
#include "shared/module1.h"
#include "shared/toolbaricons.h"

#include <QAction>
#include <QMenu>
#include <QMetaObject>
#include <QToolButton>

TagToolbar::TagToolbar(QWidget *parent)
    : QToolBar(parent)
{
    setObjectName(QStringLiteral("Toolbar5"));
    setWindowTitle(QStringLiteral("タグツールバー"));
    setMovable(false);

    for (const TagToolbarButton &place : TagToolbarLayout::buttons()) {
        if (place.separator) {
            addSeparator();
            continue;
        }
        const QString key = place.key;
        // The text stays empty where the button has no tooltip: a tooltip
        // falls back to the text, and that button must show none.
        QAction *action = addAction(ToolbarIcons::icon(key), place.toolTip);
        action->setObjectName(key);
        action->setToolTip(place.toolTip);
        connect(action, &QAction::triggered, this, [this, key] { Toolbar5_ButtonClick(key); });
        m_buttons.insert(key, action);

        auto *tool = qobject_cast<QToolButton *>(widgetForAction(action));
        tool->setObjectName(key);
        tool->setAccessibleName(place.accessibleName);
        if (!place.hasDropDown())
            continue;
        auto *menu = new QMenu(tool);
        menu->setObjectName(key + QStringLiteral("_menu"));
        menu->setAccessibleName(place.accessibleName);
        for (const TagToolbarEntry &entry : place.menu) {
            QAction *item = menu->addAction(entry.caption);
            item->setObjectName(entry.key);
            const QString entryKey = entry.key;
            connect(item, &QAction::triggered, this, [this, entryKey] { Toolbar5_ButtonMenuClick(entryKey); });
        }
        tool->setMenu(menu);
        tool->setPopupMode(QToolButton::MenuButtonPopup);
    }
}

QAction *TagToolbar::buttonAction(const QString &key) const
{
    return m_buttons.value(key);
}

QToolButton *TagToolbar::button(const QString &key) const
{
    QAction *action = buttonAction(key);
    return action ? qobject_cast<QToolButton *>(widgetForAction(action)) : nullptr;
}

QMenu *TagToolbar::dropDown(const QString &key) const
{
    QToolButton *tool = button(key);
    return tool ? tool->menu() : nullptr;
}

void TagToolbar::Toolbar5_ButtonClick(const QString &key)
{
    Module1::TargetForm = FormRegistry::findByKey(Module1::ActiveKey);
    if (const auto call = TagToolbarDispatch::buttonCall(key))
        run(Module1::TargetForm, *call);
}

void TagToolbar::Toolbar5_ButtonMenuClick(const QString &key)
{
    Module1::TargetForm = FormRegistry::findByKey(Module1::ActiveKey);
    if (const auto call = TagToolbarDispatch::menuCall(key))
        run(Module1::TargetForm, *call);
}

void TagToolbar::run(QWidget *target, const TagToolbarCall &call)
{
    auto *form = qobject_cast<DocumentWindow *>(target);
    if (!form)
        return;
    const QByteArray name = call.name.toLatin1();
    if (call.kind == TagToolbarCall::Kind::MenuClick) {
        // A window without the item (its dialog not built in) is left alone
        // instead of being asked for a slot it does not have.
        const bool hasSlot = form->metaObject()->indexOfMethod(name + "()") >= 0;
        if (form->menuItem(call.name) || hasSlot)
            form->runByName(call.name);
        return;
    }
    if (call.argument)
        QMetaObject::invokeMethod(form, name.constData(), Q_ARG(int, *call.argument));
    else
        QMetaObject::invokeMethod(form, name.constData());
}
