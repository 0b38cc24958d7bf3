#include "colours/cellaccessible.h"

#include "colours/cellpicker.h"

#include <QWidget>
#include <QWindow>

CellAccessible::CellAccessible(CellPicker *picker, int index)
    : m_picker(picker)
    , m_index(index)
{
}

bool CellAccessible::isValid() const
{
    return m_picker && m_index < m_picker->cellCount();
}

QObject *CellAccessible::object() const
{
    return nullptr;
}

QWindow *CellAccessible::window() const
{
    return m_picker ? m_picker->window()->windowHandle() : nullptr;
}

QAccessibleInterface *CellAccessible::parent() const
{
    return m_picker ? QAccessible::queryAccessibleInterface(m_picker) : nullptr;
}

QAccessibleInterface *CellAccessible::child(int) const
{
    return nullptr;
}

int CellAccessible::childCount() const
{
    return 0;
}

int CellAccessible::indexOfChild(const QAccessibleInterface *) const
{
    return -1;
}

QAccessibleInterface *CellAccessible::childAt(int, int) const
{
    return nullptr;
}

QAccessibleInterface *CellAccessible::focusChild() const
{
    return nullptr;
}

QString CellAccessible::text(QAccessible::Text kind) const
{
    if (!isValid())
        return QString();
    if (kind == QAccessible::Name)
        return m_picker->cellName(m_index);
    if (kind == QAccessible::Description)
        return m_picker->cellDescription(m_index);
    return QString();
}

void CellAccessible::setText(QAccessible::Text, const QString &)
{
}

QRect CellAccessible::rect() const
{
    if (!isValid())
        return QRect();
    const QRect cell = m_picker->cellRect(m_index);
    return QRect(m_picker->mapToGlobal(cell.topLeft()), cell.size());
}

QAccessible::Role CellAccessible::role() const
{
    return QAccessible::Button;
}

QAccessible::State CellAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.focusable = true;
    state.focused = m_picker->hasFocus() && m_picker->currentCell() == m_index;
    state.invisible = !m_picker->isVisible();
    return state;
}

void *CellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

QStringList CellAccessible::actionNames() const
{
    return {pressAction(), setFocusAction()};
}

void CellAccessible::doAction(const QString &actionName)
{
    if (!isValid())
        return;
    if (actionName == setFocusAction()) {
        m_picker->setFocus(Qt::OtherFocusReason);
        m_picker->setCurrentCell(m_index);
    } else if (actionName == pressAction()) {
        m_picker->setCurrentCell(m_index);
        m_picker->pickCell(m_index);
    }
}

QStringList CellAccessible::keyBindingsForAction(const QString &) const
{
    return {};
}
