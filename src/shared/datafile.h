#pragma once

#include <QString>

// Finds a file the program ships with (the help file, the stand-in picture).
// A build-folder run keeps them beside the program; an installed program has
// them in ../share/tovalo next to its bin folder.
class DataFile
{
public:
    // The first of the two places that holds `name`; the place beside the
    // program when neither does, so a message can name where it was sought.
    static QString path(const QString &name);
    static QString path(const QString &name, const QString &programFolder);
};
