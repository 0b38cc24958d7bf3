#pragma once

#include <QString>

// Builds a realistic page of mixed markup and Japanese text, at least
// `characters` long, the same every time.
class PageGenerator
{
public:
    static QString page(qsizetype characters);
    // A page of about `bytes` bytes once written as Shift-JIS.
    static QString pageOfBytes(qsizetype bytes);
};
