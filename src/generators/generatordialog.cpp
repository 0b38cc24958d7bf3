#include "generators/generatordialog.h"

#include "document/form1.h"
#include "shared/dialogtarget.h"

#include <QPushButton>

GeneratorDialog::GeneratorDialog(QWidget *parent, const QString &caption)
    : QDialog(parent)
{
    setWindowTitle(caption);
    setModal(true);
    m_target = DialogTarget::find();
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
    DialogTarget::returnFocus(target());
}
