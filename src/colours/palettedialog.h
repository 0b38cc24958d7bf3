#pragma once

#include "document/documentdialog.h"

class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// What every colour palette dialog shares: it finds the document window that
// opened it when it loads, gathers the text to write in Text1, and "入力"
// writes that text over the window's selection, in the typing colour, as one
// undoable step. "キャンセル" writes nothing.
class PaletteDialog : public DocumentDialog
{
    Q_OBJECT

public:
    QLineEdit *Text1() const { return m_text1; }
    QPushButton *Command1() const { return m_command1; }
    QPushButton *Command2() const { return m_command2; }

public slots:
    void Command1_Click();
    void Command2_Click();

protected:
    PaletteDialog(const QString &name, const QString &caption, QWidget *parent);

    // The row of Text1 and the buttons; a palette adds its own boxes to it.
    QHBoxLayout *topRow() const { return m_topRow; }
    // Below the top row: where a palette puts its notes and swatches.
    QVBoxLayout *body() const { return m_body; }

private:
    QLineEdit *m_text1 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QHBoxLayout *m_topRow = nullptr;
    QVBoxLayout *m_body = nullptr;
};
