#include "frame/documentkind.h"

namespace {
QString kindOfEnding(const QString &ending)
{
    if (ending == QLatin1String("html") || ending == QLatin1String(".htm"))
        return DocumentKind::hyperText();
    if (ending == QLatin1String(".css"))
        return DocumentKind::styleSheet();
    return DocumentKind::javaScript();
}
}

QString DocumentKind::fromOpenDialogPath(const QString &path)
{
    return kindOfEnding(path.right(4));
}

QString DocumentKind::fromFolderListPath(const QString &path)
{
    return kindOfEnding(path.right(4).toLower());
}
