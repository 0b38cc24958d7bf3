#include "colours/form6.h"

#include "colours/browsernamespalette.h"

Form6::Form6(QWidget *parent)
    : SwatchPaletteDialog(QStringLiteral("Form6"), QStringLiteral("IE,NN共通141色"), BrowserNamesPalette::swatches(),
                          true, QStringLiteral("ヒント：これらの色名のいくつかはMacとWindowsで異なる場合があります。"),
                          parent)
{
}
