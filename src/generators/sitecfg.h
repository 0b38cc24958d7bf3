#pragma once

#include "document/documentdialog.h"
#include "generators/pagesettings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The page settings dialog: reads the head information of the target
// document into its controls when it loads, and writes them back as one
// undoable step on "設定反映". Cancel leaves the page and the caret as they
// were.
class SiteCfg : public DocumentDialog
{
    Q_OBJECT

public:
    explicit SiteCfg(QWidget *parent = nullptr);

    QComboBox *Combo1() const { return m_combo1; }
    QComboBox *Combo2() const { return m_combo2; }
    QComboBox *Combo3() const { return m_combo3; }
    QLineEdit *Text1() const { return m_text1; }
    QCheckBox *Check1() const { return m_check1; }
    QCheckBox *Check2() const { return m_check2; }
    QPushButton *Command1() const { return m_command1; }
    QPushButton *Command2() const { return m_command2; }

    // Where the target's caret stood when the dialog loaded.
    qsizetype SavedCaret = 0;

    // What the controls hold now.
    PageSettings settings() const;
    void setSettings(const PageSettings &settings);

public slots:
    void Command1_Click();
    void Command2_Click();
    // Escape and the window's close button cancel as Command2 does.
    void reject() override;

private:
    void buildControls();
    void load();

    QComboBox *m_combo1 = nullptr;
    QComboBox *m_combo2 = nullptr;
    QComboBox *m_combo3 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QCheckBox *m_check1 = nullptr;
    QCheckBox *m_check2 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
};
