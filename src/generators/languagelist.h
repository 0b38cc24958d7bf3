#pragma once

#include <QStringList>

// The entries of the page settings dialog's language box, in its order.
class LanguageList
{
public:
    static const QStringList &entries();
};
