#include "colours/cellpicker.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include <cstdlib>
#include <limits>

CellPicker::CellPicker(QWidget *parent)
    : QWidget(parent)
{
    // Tab only: a click picks without taking the keyboard, so Return after
    // a click still writes the box as it always did.
    setFocusPolicy(Qt::TabFocus);
}

QString CellPicker::cellDescription(int) const
{
    return QString();
}

void CellPicker::setCurrentCell(int index)
{
    if (index < 0 || index >= cellCount() || index == m_current)
        return;
    update(focusMarkRect(m_current));
    m_current = index;
    update(focusMarkRect(m_current));
    if (hasFocus())
        tellFocus();
}

QRect CellPicker::focusMarkRect(int index) const
{
    return cellRect(index);
}

void CellPicker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintCells(painter);
    if (!hasFocus() || m_current >= cellCount())
        return;
    // Black around white: one of the two stands out on any colour.
    const QRect mark = focusMarkRect(m_current);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    painter.drawRect(mark.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawRect(mark.adjusted(1, 1, -2, -2));
}

void CellPicker::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        setCurrentCell(cellTowards(m_current, event->key()));
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_current < cellCount())
            pickCell(m_current);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CellPicker::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update(focusMarkRect(m_current));
    tellFocus();
}

void CellPicker::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update(focusMarkRect(m_current));
}

int CellPicker::cellTowards(int from, int key) const
{
    const QRect here = cellRect(from);
    const bool across = key == Qt::Key_Left || key == Qt::Key_Right;
    const int sign = key == Qt::Key_Right || key == Qt::Key_Down ? 1 : -1;
    // Left and right go to the nearest column that way and the row nearest
    // there; up and down stay in the cell's own column.
    int best = from;
    long bestAlong = std::numeric_limits<long>::max();
    long bestSide = std::numeric_limits<long>::max();
    for (int i = 0; i < cellCount(); ++i) {
        const QRect there = cellRect(i);
        const long dx = there.center().x() - here.center().x();
        const long dy = there.center().y() - here.center().y();
        const long along = sign * (across ? dx : dy);
        const long side = std::labs(across ? dy : dx);
        if (along <= 0 || (!across && side > here.width() / 2))
            continue;
        if (along < bestAlong || (along == bestAlong && side < bestSide)) {
            best = i;
            bestAlong = along;
            bestSide = side;
        }
    }
    return best;
}

void CellPicker::tellFocus()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(m_current);
    QAccessible::updateAccessibility(&event);
}
