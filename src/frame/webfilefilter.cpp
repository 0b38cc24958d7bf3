#include "frame/webfilefilter.h"

#include <QLatin1String>

bool WebFileFilter::matches(const QString &fileName)
{
    static const QLatin1String suffixes[] = {
        QLatin1String(".htm"), QLatin1String(".html"), QLatin1String(".css"), QLatin1String(".js"),
    };
    for (const QLatin1String &suffix : suffixes) {
        if (fileName.endsWith(suffix, Qt::CaseInsensitive))
            return true;
    }
    return false;
}
