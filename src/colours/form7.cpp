#include "colours/form7.h"

#include "colours/websafegrid.h"

#include <QLineEdit>
#include <QVBoxLayout>

Form7::Form7(QWidget *parent)
    : PaletteDialog(QStringLiteral("Form7"), QStringLiteral("Webセーフカラー216色"), parent)
{
    m_picture1 = new WebSafeGrid(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setAccessibleName(QStringLiteral("Webセーフカラー216色"));
    body()->addWidget(m_picture1);
    connect(m_picture1, &WebSafeGrid::codePicked, Text1(), &QLineEdit::setText);
}
