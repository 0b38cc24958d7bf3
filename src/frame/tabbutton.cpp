#include "frame/tabbutton.h"

#include <QEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

TabButton::TabButton(QWidget *parent)
    : QPushButton(parent)
{
}

int TabButton::textRoom() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    // The style's own margin on either side of a button's caption.
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2;
    return contents.width() - 2 * margin;
}

QString TabButton::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideRight, textRoom());
}

bool TabButton::event(QEvent *event)
{
    // Made when asked for, so it follows the name however it was changed.
    if (event->type() == QEvent::ToolTip)
        setToolTip(shownText() == text() ? QString() : text());
    return QPushButton::event(event);
}

void TabButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = shownText();
    painter.drawControl(QStyle::CE_PushButton, option);
}
