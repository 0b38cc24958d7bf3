#include "colours/swatchpalettedialog.h"

#include "colours/swatchgrid.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

SwatchPaletteDialog::SwatchPaletteDialog(const QString &name, const QString &caption,
                                         const QVector<PaletteSwatch> &swatches, bool hexadecimal,
                                         const QString &note, QWidget *parent)
    : PaletteDialog(name, caption, parent)
{
    m_check1 = new QCheckBox(QStringLiteral("16進法で入力"), this);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check1->setChecked(hexadecimal);
    topRow()->insertWidget(1, m_check1);

    m_hint = new QLabel(QStringLiteral("※入力する色をクリックして下さい"), this);
    m_hint->setObjectName(QStringLiteral("Label1_0"));
    m_note = new QLabel(note, this);
    m_note->setObjectName(QStringLiteral("Label1_1"));
    m_note->setWordWrap(true);
    m_grid = new SwatchGrid(swatches, this);
    m_grid->setObjectName(QStringLiteral("swatches"));
    m_grid->setAccessibleName(QStringLiteral("色見本"));
    body()->addWidget(m_hint);
    body()->addWidget(m_grid);
    body()->addWidget(m_note);

    connect(Text1(), &QLineEdit::textChanged, this, [this](const QString &text) { m_hint->setVisible(text.isEmpty()); });
    connect(m_grid, &SwatchGrid::swatchClicked, this, &SwatchPaletteDialog::onSwatchClicked);
}

void SwatchPaletteDialog::onSwatchClicked(const PaletteSwatch &swatch)
{
    Text1()->setText(swatch.clickText(m_check1->isChecked(), m_grid->simulate()));
}
