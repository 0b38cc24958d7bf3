#pragma once

#include "document/documentdialog.h"
#include "generators/tablesettings.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The table dialog: counts of columns and rows, the border, four colours;
// "OK" writes the table's skeleton at the caret of the target window.
class TableSet : public DocumentDialog
{
    Q_OBJECT

public:
    explicit TableSet(QWidget *parent = nullptr);

    QLineEdit *Text1() const { return m_text1; } // "列:"
    QLineEdit *Text2() const { return m_text2; } // "行:"
    QCheckBox *Check1() const { return m_check1; }
    QLineEdit *Text3(int index) const;
    QPushButton *Command1() const { return m_command1; } // 列 ▼
    QPushButton *Command2() const { return m_command2; } // 列 ▲
    QPushButton *Command3() const { return m_command3; } // 行 ▲
    QPushButton *Command4() const { return m_command4; } // 行 ▼
    QPushButton *Command5() const { return m_command5; } // "OK"
    QPushButton *Command6() const { return m_command6; } // "キャンセル(&C)"
    QPushButton *Command7(int index) const;

    // What the controls say now.
    TableSettings settings() const;

private:
    void step(QLineEdit *box, bool up);
    void chooseColour(int index);
    void insertTable();

    QLineEdit *m_text1 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QCheckBox *m_check1 = nullptr;
    std::array<QLineEdit *, 4> m_text3 = {};
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command3 = nullptr;
    QPushButton *m_command4 = nullptr;
    QPushButton *m_command5 = nullptr;
    QPushButton *m_command6 = nullptr;
    std::array<QPushButton *, 4> m_command7 = {};
};
