#pragma once

#include <QString>

// The three document kinds, shown in a document window's caption.
class DocumentKind
{
public:
    static QString hyperText() { return QStringLiteral("Hyper Text"); }
    static QString styleSheet() { return QStringLiteral("Cascade Style Sheet"); }
    static QString javaScript() { return QStringLiteral("JavaScript"); }

    // The open dialog compares the last four characters exactly as written.
    static QString fromOpenDialogPath(const QString &path);
    // The working-folder list compares them in lower case.
    static QString fromFolderListPath(const QString &path);
};
