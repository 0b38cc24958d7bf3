#include "colours/palettedialog.h"

#include "colours/cellpickeraccessible.h"
#include "document/documentwindow.h"
#include "document/richtextbox1.h"
#include "shared/twips.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PaletteDialog::PaletteDialog(const QString &name, const QString &caption, QWidget *parent)
    : DocumentDialog(parent, caption)
{
    setObjectName(name);
    // The swatches of every palette are cell pickers; assistive tools see
    // each of their cells as a button of its own.
    CellPickerAccessible::install();

    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setFixedWidth(Twips::toPixels(1065, this) * 3 / 2);
    m_command1 = new QPushButton(QStringLiteral("入力"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setDefault(true);
    m_command1->setAutoDefault(true);
    m_command2 = new QPushButton(QStringLiteral("キャンセル"), this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setAutoDefault(false);
    connect(m_command1, &QPushButton::clicked, this, &PaletteDialog::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &PaletteDialog::Command2_Click);

    m_topRow = new QHBoxLayout;
    m_topRow->addWidget(m_text1);
    m_topRow->addStretch();
    m_topRow->addWidget(m_command1);
    m_topRow->addWidget(m_command2);
    m_body = new QVBoxLayout;
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_topRow);
    layout->addLayout(m_body);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    attach();
}

void PaletteDialog::Command1_Click()
{
    if (target())
        target()->richTextBox1()->insertPieces({ColouredPiece{m_text1->text(), std::nullopt}});
    done(QDialog::Accepted);
}

void PaletteDialog::Command2_Click()
{
    done(QDialog::Rejected);
}
