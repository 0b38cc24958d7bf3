#pragma once

#include <QDialog>
#include <QPointer>

class DocumentWindow;
class QPushButton;

// What every dialog opened from a document window shares: the window it
// writes into, found when it loads through TargetKey, the keys (Return
// presses the dialog's own button, Escape cancels) and the keyboard going
// back to the window's source when it closes, whichever way.
class DocumentDialog : public QDialog
{
    Q_OBJECT

public:
    // The window found when the dialog loaded; nullptr once it has gone.
    DocumentWindow *target() const;

    void done(int result) override;

    // Gives the keyboard back to the window's source, when the source is shown.
    static void returnFocus(DocumentWindow *target);

protected:
    DocumentDialog(QWidget *parent, const QString &caption);

    // Enters the dialog among the loaded forms, as the palettes and the page
    // dialogs are, and finds its window again: the one TargetKey names now.
    void attach();
    // Makes `button` the one Return presses. Every other button of the dialog
    // stops taking Return for itself, so a click on "▲" or "色参照" does not
    // steal the key from it.
    void setReturnButton(QPushButton *button);

private:
    void findTarget();

    QPointer<DocumentWindow> m_target;
};
