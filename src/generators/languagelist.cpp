#include "generators/languagelist.h"

const QStringList &LanguageList::entries()
{
    static const QStringList kEntries = {
        QStringLiteral("de-AT"), QStringLiteral("de-DE"), QStringLiteral("en-AU"),
        QStringLiteral("en-CA"), QStringLiteral("en-GB"), QStringLiteral("en-US"),
        QStringLiteral("fr-CA"), QStringLiteral("fr-FR"), QStringLiteral("ja-JP"),
        QStringLiteral("ko-KP"), QStringLiteral("ko-KR"),
    };
    return kEntries;
}
