#include "colours/cellpickeraccessible.h"

#include "colours/cellaccessible.h"
#include "colours/cellpicker.h"

namespace {

QAccessibleInterface *cellPickerFactory(const QString &, QObject *object)
{
    if (auto *picker = qobject_cast<CellPicker *>(object))
        return new CellPickerAccessible(picker);
    return nullptr;
}

} // namespace

CellPickerAccessible::CellPickerAccessible(CellPicker *picker)
    : QAccessibleWidget(picker, QAccessible::Grouping)
{
}

CellPickerAccessible::~CellPickerAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_cells))
        QAccessible::deleteAccessibleInterface(id);
}

void CellPickerAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(cellPickerFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

CellPicker *CellPickerAccessible::picker() const
{
    return static_cast<CellPicker *>(widget());
}

int CellPickerAccessible::childCount() const
{
    return picker()->cellCount();
}

QAccessibleInterface *CellPickerAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    auto found = m_cells.constFind(index);
    if (found == m_cells.constEnd())
        found = m_cells.insert(index, QAccessible::registerAccessibleInterface(new CellAccessible(picker(), index)));
    return QAccessible::accessibleInterface(*found);
}

int CellPickerAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child));
    return m_cells.key(id, -1);
}

QAccessibleInterface *CellPickerAccessible::childAt(int x, int y) const
{
    const QPoint at = picker()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < childCount(); ++i)
        if (picker()->cellRect(i).contains(at))
            return child(i);
    return nullptr;
}

QAccessibleInterface *CellPickerAccessible::focusChild() const
{
    return picker()->hasFocus() ? child(picker()->currentCell()) : nullptr;
}
