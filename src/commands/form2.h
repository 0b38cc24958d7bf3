#pragma once

#include <QDialog>

class DocumentWindow;
class QLabel;
class QLineEdit;
class QPushButton;

// The replace dialog "置換": modeless. It works on whatever window TargetForm
// designates at each click, so the frame's toolbars redirect it.
class Form2 : public QDialog
{
    Q_OBJECT

public:
    // Shows the dialog for the window TargetKey names and makes that window
    // TargetForm. An open dialog is brought forward instead of opening a second.
    static Form2 *open(QWidget *frame);
    // The open dialog, or nullptr.
    static Form2 *instance();

    QLabel *Label1() const { return m_label1; }
    QLineEdit *Text1() const { return m_text1; }
    QLabel *Label2() const { return m_label2; }
    QLineEdit *Text2() const { return m_text2; }
    QPushButton *Command1() const { return m_command1; }
    QPushButton *Command2() const { return m_command2; }
    QPushButton *Command3() const { return m_command3; }
    QPushButton *Command4() const { return m_command4; }

public slots:
    // "次を検索(&F)"
    void Command1_Click();
    // "置換して次に(&R)"
    void Command2_Click();
    // "全て置換(&A)"
    void Command3_Click();

private:
    explicit Form2(QWidget *frame);
    void buildControls();
    void load();
    void focusSearchText();

    QLabel *m_label1 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QLabel *m_label2 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command3 = nullptr;
    QPushButton *m_command4 = nullptr;
};
