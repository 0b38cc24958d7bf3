#include "commands/textreplace.h"

#include <QStringView>

QString TextReplace::replace(const QString &source, const QString &searched, const QString &replacement)
{
    if (searched.isEmpty())
        return source;

    const QStringView text(source);
    qsizetype found = text.indexOf(searched);
    if (found < 0)
        return source;

    QString result;
    // Most calls replace short texts by similar ones; append grows the rest.
    result.reserve(source.size() + source.size() / 8);
    qsizetype from = 0;
    while (found >= 0) {
        result.append(text.mid(from, found - from));
        result.append(replacement);
        // Resume at the occurrence's second character, which stays in the
        // result. A character outside the basic plane is two code units and
        // is passed over whole, so no half of it is left behind.
        from = found + 1;
        if (text[found].isHighSurrogate() && from < text.size() && text[from].isLowSurrogate())
            ++from;
        found = text.indexOf(searched, from);
    }
    result.append(text.mid(from));
    return result;
}
