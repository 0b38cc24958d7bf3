#pragma once

#include <QStringList>

// The entries of the page settings dialog's character set box, in its order.
class CharsetList
{
public:
    static const QStringList &entries();
};
