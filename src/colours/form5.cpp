#include "colours/form5.h"

#include "colours/palette94.h"
#include "colours/swatchgrid.h"

#include <QCheckBox>
#include <QHBoxLayout>

Form5::Form5(QWidget *parent)
    : SwatchPaletteDialog(QStringLiteral("Form5"), QStringLiteral("256色環境Win,Mac共通色"), Palette94::swatches(), true,
                          QStringLiteral("ヒント：これらの色名のいくつかはフルカラー時と256色時で異なるものがあります。"),
                          parent)
{
    m_check2 = new QCheckBox(QStringLiteral("256色環境シミュレート"), this);
    m_check2->setObjectName(QStringLiteral("Check2"));
    m_check2->setToolTip(QStringLiteral("Win,Mac256モード共通でない色を近い共通の色で発色します"));
    m_check2->setChecked(true);
    topRow()->insertWidget(2, m_check2);
    swatchGrid()->setSimulate(true);
    connect(m_check2, &QCheckBox::toggled, swatchGrid(), &SwatchGrid::setSimulate);
}
