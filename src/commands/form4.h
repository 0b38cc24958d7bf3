#pragma once

#include <QDialog>
#include <QPointer>

class DocumentWindow;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The find dialog "検索": modeless, bound to the document window that opened it.
class Form4 : public QDialog
{
    Q_OBJECT

public:
    // Shows the dialog for the window TargetKey names. An open dialog is
    // brought forward and pointed at that window instead of opening a second.
    static Form4 *open(QWidget *frame);
    // The open dialog, or nullptr.
    static Form4 *instance();

    QLabel *Label1() const { return m_label1; }
    QLineEdit *Text1() const { return m_text1; }
    QCheckBox *Check1() const { return m_check1; }
    QGroupBox *Frame1() const { return m_frame1; }
    QRadioButton *Option1() const { return m_option1; }
    QRadioButton *Option2() const { return m_option2; }
    QPushButton *Command1() const { return m_command1; }
    QPushButton *Command2() const { return m_command2; }

    // The document window the dialog searches.
    DocumentWindow *target() const { return m_target; }

public slots:
    // "次を検索(&F)"
    void Command1_Click();

private:
    explicit Form4(QWidget *frame);
    void buildControls();
    void load();
    void setTarget(DocumentWindow *target);
    void focusSearchText();

    QPointer<DocumentWindow> m_target;
    QMetaObject::Connection m_targetGone;

    QLabel *m_label1 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QCheckBox *m_check1 = nullptr;
    QGroupBox *m_frame1 = nullptr;
    QRadioButton *m_option1 = nullptr;
    QRadioButton *m_option2 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
};
