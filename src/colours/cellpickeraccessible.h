#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>

class CellPicker;

// How assistive tools see a cell picker: a group whose children are its
// cells, each a button of its own.
class CellPickerAccessible : public QAccessibleWidget
{
public:
    explicit CellPickerAccessible(CellPicker *picker);
    ~CellPickerAccessible() override;

    // Makes every cell picker answer as one of these; once is enough.
    static void install();

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

private:
    CellPicker *picker() const;

    // The cells asked for so far, made once each and let go with the picker.
    mutable QHash<int, QAccessible::Id> m_cells;
};
