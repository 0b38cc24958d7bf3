#include "generators/doctypelist.h"

const QStringList &DoctypeList::entries()
{
    static const QStringList kEntries = {
        QStringLiteral("-//IETF//DTD HTML//EN"),
        QStringLiteral("-//IETF//DTD HTML 2.0//EN"),
        QStringLiteral("-//IETF//DTD HTML i18n//EN"),
        QStringLiteral("HTMLPLUS.DTD"),
        QStringLiteral("-//IETF//DTD HTML 3.0//EN"),
        QStringLiteral("-//W3C//DTD HTML 3.2//EN"),
        QStringLiteral("-//W3C//DTD HTML 3.2 Final//EN"),
        QStringLiteral("-//W3C//DTD HTML 4.0//EN"),
        QStringLiteral("-//W3C//DTD HTML 4.01//EN"),
        QStringLiteral("-//W3C//DTD HTML 4.01 Transitional//EN"),
        QStringLiteral("-//W3C//DTD HTML 4.01 Frameset//EN"),
        QStringLiteral("-//W3C//DTD XHTML 1.0 Strict//EN"),
        QStringLiteral("-//W3C//DTD XHTML 1.0 Transitional//EN"),
        QStringLiteral("-//W3C//DTD XHTML 1.1//EN"),
        QStringLiteral("-//W3C//DTD XHTML Basic 1.0//EN"),
        QStringLiteral("-//OPENWAVE//DTD XHTML Mobile 1.0//EN"),
        QStringLiteral("ISO/IEC 15445:2000//DTD HyperText Markup Language//EN"),
        QStringLiteral("ISO/IEC 15445:2000//DTD HTML//EN"),
        QStringLiteral("-//Microsoft//DTD Internet Explorer 3.0 HTML//EN"),
        QStringLiteral("-//W3C//DTD Compact HTML 1.0 Draft//EN"),
        QStringLiteral("-//i-mode group (ja)//DTD XHTML i-XHTML(Locale/Ver.=ja/1.0) 1.0//EN"),
        html5(),
    };
    return kEntries;
}
