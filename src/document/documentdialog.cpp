#include "document/documentdialog.h"

#include "document/documentwindow.h"
#include "document/richtextbox1.h"
#include "document/targetlookup.h"
#include "shared/formregistry.h"
#include "shared/module1.h"

#include <QPushButton>

DocumentDialog::DocumentDialog(QWidget *parent, const QString &caption)
    : QDialog(parent)
{
    setWindowTitle(caption);
    setModal(true);
    findTarget();
}

DocumentWindow *DocumentDialog::target() const
{
    return m_target.data();
}

void DocumentDialog::attach()
{
    FormRegistry::add(this);
    findTarget();
}

void DocumentDialog::findTarget()
{
    m_target = TargetLookup::fromTargetKey();
    Module1::TargetForm = m_target.data();
}

void DocumentDialog::setReturnButton(QPushButton *button)
{
    for (QPushButton *other : findChildren<QPushButton *>()) {
        other->setAutoDefault(false);
        other->setDefault(false);
    }
    button->setDefault(true);
}

void DocumentDialog::done(int result)
{
    QDialog::done(result);
    // The keyboard goes back to the source, whichever button closed us.
    returnFocus(target());
}

void DocumentDialog::returnFocus(DocumentWindow *target)
{
    if (!target || !target->richTextBox1()->isVisible())
        return;
    // Not every window manager hands activation back to the window the
    // dialog came from; without it the keys would go nowhere.
    target->window()->activateWindow();
    target->richTextBox1()->setFocus();
}
