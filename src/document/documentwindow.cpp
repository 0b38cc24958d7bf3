#include "document/documentwindow.h"

QCheckBox *DocumentWindow::Check(int index) const
{
    return index >= 1 && index <= 4 ? m_checks[index - 1] : nullptr;
}
