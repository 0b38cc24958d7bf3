#pragma once

#include <QStyledItemDelegate>

// Draws a folder list entry shifted right by its depth, so that the chain
// from the drive's root reads as a tree while the list stays a plain list
// (keyboard search still matches the bare folder names).
class FolderListDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int DepthRole = Qt::UserRole + 1;

    explicit FolderListDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int indent(const QStyleOptionViewItem &option, const QModelIndex &index) const;
};
