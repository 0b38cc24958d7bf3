#include "generators/generatordialog.h"

#include "document/form1.h"
#include "document/richtextbox1.h"
#include "shared/module1.h"
#include "shared/targetlookup.h"

#include <QPushButton>

GeneratorDialog::GeneratorDialog(QWidget *parent, const QString &caption)
    : QDialog(parent)
{
    setWindowTitle(caption);
    setModal(true);
    m_target = TargetLookup::fromTargetKey();
    Module1::TargetForm = m_target.data();
}

void GeneratorDialog::setReturnButton(QPushButton *button)
{
    for (QPushButton *other : findChildren<QPushButton *>()) {
        other->setAutoDefault(false);
        other->setDefault(false);
    }
    button->setDefault(true);
}

void GeneratorDialog::done(int result)
{
    QDialog::done(result);
    // The keyboard goes back to the source, whichever button closed us.
    Form1 *form = target();
    if (!form || !form->richTextBox1()->isVisible())
        return;
    // Not every window manager hands activation back to the window the
    // dialog came from; without it the keys would go nowhere.
    form->window()->activateWindow();
    form->richTextBox1()->setFocus();
}
