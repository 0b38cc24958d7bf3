#include "colours/form3.h"

#include "colours/w3cpalette.h"

#include <QCheckBox>
#include <QLabel>

Form3::Form3(QWidget *parent)
    : SwatchPaletteDialog(QStringLiteral("Form3"), QStringLiteral("W3C準拠色入力"), W3cPalette::swatches(), false,
                          QStringLiteral("×マークはMacとWinで発色が異なる色名です"), parent)
{
    connect(Check1(), &QCheckBox::clicked, this, [this](bool checked) { Label1(1)->setVisible(!checked); });
}
