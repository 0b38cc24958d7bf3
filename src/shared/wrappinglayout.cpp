#include "shared/wrappinglayout.h"

#include <QWidget>

#include <algorithm>

WrappingLayout::WrappingLayout(QWidget *parent) : QLayout(parent) {}

WrappingLayout::~WrappingLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void WrappingLayout::addItem(QLayoutItem *item)
{
    m_items.append(item);
}

int WrappingLayout::count() const
{
    return int(m_items.size());
}

QLayoutItem *WrappingLayout::itemAt(int index) const
{
    return m_items.value(index);
}

QLayoutItem *WrappingLayout::takeAt(int index)
{
    if (index < 0 || index >= m_items.size())
        return nullptr;
    return m_items.takeAt(index);
}

Qt::Orientations WrappingLayout::expandingDirections() const
{
    return {};
}

bool WrappingLayout::hasHeightForWidth() const
{
    return true;
}

int WrappingLayout::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

QSize WrappingLayout::minimumSize() const
{
    // As narrow as the widest control: the rest wrap below it.
    QSize size;
    for (const QLayoutItem *item : m_items)
        size = size.expandedTo(item->minimumSize());
    const QMargins margins = contentsMargins();
    return size + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize WrappingLayout::sizeHint() const
{
    // Everything on one row.
    int width = 0;
    int height = 0;
    for (const QLayoutItem *item : m_items) {
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint();
        width += (width > 0 ? spacing() : 0) + hint.width();
        height = std::max(height, hint.height());
    }
    const QMargins margins = contentsMargins();
    return QSize(width + margins.left() + margins.right(), height + margins.top() + margins.bottom());
}

void WrappingLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int WrappingLayout::arrange(const QRect &rect, bool apply) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = std::max(0, spacing());
    int x = area.x();
    int y = area.y();
    int rowHeight = 0;
    for (QLayoutItem *item : m_items) {
        if (item->isEmpty())
            continue;
        QSize size = item->sizeHint();
        const int room = area.right() + 1 - x;
        // The first control of a row stays on it however narrow the window.
        // One a few pixels short of room keeps its row and gives up part of
        // the blank after its caption, as a plain row of controls would.
        if (x > area.x() && size.width() > room + gap) {
            x = area.x();
            y += rowHeight + gap;
            rowHeight = 0;
        } else if (x > area.x()) {
            size.setWidth(std::min(size.width(), room));
        }
        if (apply)
            item->setGeometry(QRect(QPoint(x, y), size));
        x += size.width() + gap;
        rowHeight = std::max(rowHeight, size.height());
    }
    const QMargins margins = contentsMargins();
    return y + rowHeight - rect.y() + margins.bottom();
}
