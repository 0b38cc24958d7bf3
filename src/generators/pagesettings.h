#pragma once

#include <QString>

// What the page settings dialog shows and writes: the head information of a
// page. The defaults are the dialog's own starting values.
struct PageSettings {
    QString doctype = QStringLiteral("-//W3C//DTD HTML 4.01 Transitional//EN"); // Combo1
    QString charset = QStringLiteral("Shift_JIS");                              // Combo2
    QString language = QStringLiteral("ja-JP");                                 // Combo3
    QString title;                                                              // Text1
    bool scriptType = false; // Check1: the page declares its script language
    bool styleType = false;  // Check2: the page declares its style-sheet language

    bool operator==(const PageSettings &other) const
    {
        return doctype == other.doctype && charset == other.charset && language == other.language
            && title == other.title && scriptType == other.scriptType && styleType == other.styleType;
    }
};
