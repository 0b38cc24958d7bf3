#pragma once

#include "document/textfileformat.h"

#include <QStringList>

// The entries of the page settings dialog's character set box, in its order.
class CharsetList
{
public:
    static const QStringList &entries();
    // The entry that names the encoding, spelt as the box spells it.
    static QString entryFor(TextEncoding encoding);
};
