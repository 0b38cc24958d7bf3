#pragma once

#include <QScrollArea>
#include <QVector>

class QHBoxLayout;
class QPushButton;

// The strip of document tabs. Element 0 belongs to the frame and is never
// shown; documents use elements 1 and up. The strip grows as windows open
// and scrolls when the tabs no longer fit.
class TabBar : public QScrollArea
{
    Q_OBJECT

public:
    explicit TabBar(QWidget *parent = nullptr);

    // Element i of the tab array, created on first use.
    QPushButton *Command1(int index);
    int count() const { return int(m_buttons.size()); }
    void hideAll();
    void markActive(QPushButton *button, bool active);

signals:
    void tabClicked(int index);

private:
    QWidget *m_strip;
    QHBoxLayout *m_layout;
    QVector<QPushButton *> m_buttons;
};
