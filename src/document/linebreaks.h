#pragma once

#include <QString>

// The edit control's document knows one line break; a page may come with
// CR LF, CR or LF, or a mix of them.
class LineBreaks
{
public:
    // The text with each CR LF, lone CR and LF as one LF.
    static QString toLf(const QString &text);
};
