#include "frame/advicebar.h"

#include <QLineEdit>
#include <QToolButton>

AdviceBar::AdviceBar(QWidget *parent)
    : QToolBar(parent)
    , m_text1(new QLineEdit(this))
    , m_command6(new QToolButton(this))
    , m_errChk(new QToolButton(this))
    , m_errjump(new QToolButton(this))
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
    m_errChk->setObjectName(QStringLiteral("ErrChk"));
    m_errChk->setText(QStringLiteral("エラーチェック"));
    m_errjump->setObjectName(QStringLiteral("errjump"));
    m_errjump->setText(QStringLiteral("エラーへGO"));
    addWidget(m_errChk);
    addWidget(m_errjump);
}
