#pragma once

#include "colours/colourcode.h"
#include "document/documentdialog.h"
#include "generators/gradationtext.h"

class QFrame;
class QLineEdit;
class QPushButton;
class QRadioButton;
class RichTextBox1;

// The gradation dialog: a text, a start and an end colour, and a preview of
// the text in its colours; "OK" writes one font or span element per
// character at the caret of the target window.
class GradationCfg : public DocumentDialog
{
    Q_OBJECT

public:
    explicit GradationCfg(QWidget *parent = nullptr);

    QLineEdit *Text1() const { return m_text1; }
    RichTextBox1 *richTextBox1() const { return m_preview; } // the preview
    QPushButton *Command2(int index) const;
    QFrame *Shape1() const { return m_shape1; }
    QFrame *Shape2() const { return m_shape2; }
    QRadioButton *Option1() const { return m_option1; }
    QRadioButton *Option2() const { return m_option2; }
    QPushButton *Command1() const { return m_command1; } // "OK"
    QPushButton *Command3() const { return m_command3; } // "キャンセル(&C)"

    Rgb startColour() const { return m_start; }
    Rgb endColour() const { return m_end; }
    GradationText::Output output() const;

private:
    void chooseColour(int index);
    void refresh();
    void insertText();

    QLineEdit *m_text1 = nullptr;
    RichTextBox1 *m_preview = nullptr;
    QPushButton *m_command2[2] = {};
    QFrame *m_shape1 = nullptr;
    QFrame *m_shape2 = nullptr;
    QRadioButton *m_option1 = nullptr;
    QRadioButton *m_option2 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command3 = nullptr;
    Rgb m_start;
    Rgb m_end;
};
