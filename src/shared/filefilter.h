#pragma once

#include <QString>

// File dialog filters are written "description|patterns|description|patterns",
// patterns separated by ";". Qt wants "description (patterns);;...".
class FileFilter
{
public:
    static QString toQt(const QString &filter);
};
