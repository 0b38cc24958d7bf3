#include "frame/tabbar.h"

#include "frame/tabbutton.h"
#include "shared/twips.h"

#include <QHBoxLayout>
#include <QPushButton>

TabBar::TabBar(QWidget *parent)
    : QScrollArea(parent)
    , m_strip(new QWidget)
    , m_layout(new QHBoxLayout(m_strip))
{
    setObjectName(QStringLiteral("Toolbar2"));
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addStretch();
    setWidget(m_strip);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFixedHeight(Twips::toPixels(420, this) + 8);
    Command1(0);
}

QPushButton *TabBar::Command1(int index)
{
    while (m_buttons.size() <= index) {
        const int element = int(m_buttons.size());
        auto *button = new TabButton(m_strip);
        button->setObjectName(QStringLiteral("Command1_%1").arg(element));
        button->setFixedSize(Twips::toPixels(1515, this), Twips::toPixels(315, this) + 6);
        button->hide();
        // Element 0 is the frame's own and stays out of the row.
        if (element > 0)
            m_layout->insertWidget(element - 1, button);
        connect(button, &QPushButton::clicked, this, [this, element] { emit tabClicked(element); });
        m_buttons.append(button);
    }
    return m_buttons.at(index);
}

void TabBar::hideAll()
{
    for (QPushButton *button : m_buttons)
        button->hide();
}

void TabBar::markActive(QPushButton *button, bool active)
{
    // The active tab can't be clicked, yet its name must read as clearly as
    // the others': the disabled grey on the green was hard to make out.
    const QString text = palette().color(QPalette::Active, QPalette::ButtonText).name();
    button->setStyleSheet(active ? QStringLiteral("QPushButton { background-color: rgb(160, 230, 180); color: %1; }").arg(text)
                                 : QString());
    button->setEnabled(!active);
}
