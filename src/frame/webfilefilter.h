#pragma once

#include <QString>

// The working-folder file list shows web files only: "*.htm;*.css;*.js",
// where *.htm also catches .html (long names match the short-name pattern)
// and the letter case of the name never matters.
class WebFileFilter
{
public:
    static bool matches(const QString &fileName);
};
