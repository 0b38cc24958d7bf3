#include "shared/module1.h"

int Module1::DocNumber = 1;
bool Module1::EditEnabled = true;
QString Module1::ActiveKey;
QString Module1::TargetKey;
QPointer<QWidget> Module1::TargetForm;
QString Module1::LastFindText;

void Module1::reset()
{
    DocNumber = 1;
    EditEnabled = true;
    ActiveKey.clear();
    TargetKey.clear();
    TargetForm = nullptr;
    LastFindText.clear();
}
