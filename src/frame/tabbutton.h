#pragma once

#include <QPushButton>

// A document's tab: a button of the designed width whose name, when too long
// for it, is shown cut short with an ellipsis and given whole in its tool
// tip. Its text stays the whole name, since the window's key is read from it.
class TabButton : public QPushButton
{
    Q_OBJECT

public:
    explicit TabButton(QWidget *parent = nullptr);

    // The text as the tab shows it at its present width.
    QString shownText() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int textRoom() const;
};
