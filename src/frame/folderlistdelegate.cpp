#include "frame/folderlistdelegate.h"

#include "shared/twips.h"

namespace {
const int IndentTwips = 180;
}

FolderListDelegate::FolderListDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

int FolderListDelegate::indent(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return index.data(DepthRole).toInt() * Twips::toPixels(IndentTwips, option.widget);
}

void FolderListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    QStyleOptionViewItem shifted(option);
    shifted.rect.setLeft(shifted.rect.left() + indent(option, index));
    QStyledItemDelegate::paint(painter, shifted, index);
}

QSize FolderListDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(option, index), 0);
}
