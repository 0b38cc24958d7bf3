#pragma once

#include <QToolBar>

class QLineEdit;
class QToolButton;

// The bar at the foot of the frame where the page checks leave their advice.
class AdviceBar : public QToolBar
{
    Q_OBJECT

public:
    explicit AdviceBar(QWidget *parent = nullptr);

    QLineEdit *Text1() const { return m_text1; }
    QToolButton *Command6() const { return m_command6; }
    QToolButton *ErrChk() const { return m_errChk; }
    QToolButton *errjump() const { return m_errjump; }

private:
    QLineEdit *m_text1;
    QToolButton *m_command6;
    QToolButton *m_errChk;
    QToolButton *m_errjump;
};
