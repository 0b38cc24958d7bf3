#pragma once

#include <QDialog>
#include <QPointer>

class Form1;
class QPushButton;

// What the generator dialogs share: the document window they write into,
// found once when they load, the keys (Return presses the dialog's own
// button, Escape cancels) and the keyboard going back to the document's
// source when they close.
class GeneratorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit GeneratorDialog(QWidget *parent, const QString &caption);

    // The window named by TargetKey when the dialog loaded; nullptr once it
    // has gone.
    Form1 *target() const { return m_target.data(); }

    void done(int result) override;

protected:
    // Makes `button` the one Return presses. Every other button of the dialog
    // stops taking Return for itself, so a click on "▲" or "色参照" does not
    // steal the key from it.
    void setReturnButton(QPushButton *button);

private:
    QPointer<Form1> m_target;
};
