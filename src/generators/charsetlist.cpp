#include "generators/charsetlist.h"

#include "document/charsetdeclaration.h"

const QStringList &CharsetList::entries()
{
    // A page is saved in the charset it declares, so "UTF-8" here is how a
    // user turns a page into a UTF-8 file.
    static const QStringList kEntries = {
        QStringLiteral("Shift_JIS"),
        QStringLiteral("euc-jp"),
        QStringLiteral("iso-2022-jp"),
        QStringLiteral("UTF-8"),
    };
    return kEntries;
}

QString CharsetList::entryFor(TextEncoding encoding)
{
    for (const QString &entry : entries()) {
        if (CharsetDeclaration::encodingForName(entry) == encoding)
            return entry;
    }
    return textEncodingName(encoding);
}
