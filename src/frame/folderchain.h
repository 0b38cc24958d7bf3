#pragma once

#include <QString>
#include <QStringList>

// Folder paths as the working-folder view hands them around: absolute, "/"
// separated, always ending with "/", so that a file name can be appended.
class FolderChain
{
public:
    // Absolute, cleaned, with the trailing "/". Relative paths count from the
    // program's current folder. An empty path stays empty.
    static QString normalized(const QString &folder);

    // Whether folder is root itself or lies below it, compared by whole
    // names: "/mnt/data/" does not hold "/mnt/database/".
    static bool holds(const QString &root, const QString &folder);

    // The folders from root down to folder, both included. A folder outside
    // root is chained from "/" instead.
    static QStringList chain(const QString &root, const QString &folder);

    // The last name of a folder ("sub" for "/a/sub/"); "/" for the root.
    static QString name(const QString &folder);

    // folder + name without a doubled "/" when folder is the root.
    static QString join(const QString &folder, const QString &name);
};
