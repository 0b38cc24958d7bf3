#pragma once

#include <QHash>
#include <QString>
#include <QToolBar>

class QAction;
class QMenu;
class QToolButton;
class QWidget;
struct TagToolbarCall;

// The tag toolbar Toolbar5: one button per place of TagToolbarLayout, the
// seven drop-down buttons with their menus. It holds no state of its own; a
// click finds the active document and runs the key's call on it by name.
class TagToolbar : public QToolBar
{
    Q_OBJECT

public:
    explicit TagToolbar(QWidget *parent = nullptr);

    // The button with this key, or nullptr.
    QToolButton *button(const QString &key) const;
    QAction *buttonAction(const QString &key) const;
    // The drop-down menu of the button with this key, or nullptr.
    QMenu *dropDown(const QString &key) const;

    // Runs a call from the dispatch tables on a document window: an add_
    // method (with its argument) or the click of a menu item. A call whose
    // target the window does not have does nothing.
    static void run(QWidget *target, const TagToolbarCall &call);

public slots:
    // A click on a button itself, and a choice from a button's menu.
    void Toolbar5_ButtonClick(const QString &key);
    void Toolbar5_ButtonMenuClick(const QString &key);

private:
    QHash<QString, QAction *> m_buttons;
};
