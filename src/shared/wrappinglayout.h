#pragma once

#include <QLayout>
#include <QList>

// Lays its widgets out left to right and starts a new row where the next one
// would not fit, so a narrow window (tiled beside others, say) still shows
// every control whole instead of cutting the last ones off.
class WrappingLayout : public QLayout
{
public:
    explicit WrappingLayout(QWidget *parent = nullptr);
    ~WrappingLayout() override;

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

private:
    // Places the items in `rect` (only when `apply`) and returns the height used.
    int arrange(const QRect &rect, bool apply) const;

    QList<QLayoutItem *> m_items;
};
