#include "frame/advicebar.h"

#include <QLineEdit>
#include <QToolButton>

AdviceBar::AdviceBar(QWidget *parent)
    : QToolBar(parent)
    , m_text1(new QLineEdit(this))
    , m_command6(new QToolButton(this))
{
    setObjectName(QStringLiteral("Toolbar4"));
    setWindowTitle(QStringLiteral("アドバイスバー"));
    setMovable(false);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setText(QStringLiteral("アドバイスバー"));
    m_command6->setObjectName(QStringLiteral("Command6"));
    m_command6->setText(QStringLiteral("×"));
    addWidget(m_command6);
    addWidget(m_text1);
}
