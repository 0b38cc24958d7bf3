#pragma once

#include <QString>

// The rewrites of the edit menu, on a text with CR LF line breaks as the edit
// control hands it out. Each is one pass over the text.
class TextConversions
{
public:
    // Every CR LF becomes "<br>" followed by the LF: each line ends in <br>
    // and keeps its line break. A lone CR or LF is left alone.
    static QString lineBreaks(const QString &text);
    // "&" -> "&amp;", "<" -> "&lt;", ">" -> "&gt;", blank -> "&nbsp;". The
    // ampersand goes first, so a reference already in the text shows as
    // itself on the page instead of turning into its character.
    static QString characters(const QString &text);
    // Characters first, then line breaks, so the <br> written by the second
    // step is not itself converted.
    static QString both(const QString &text);

    static QString upperCase(const QString &text);
    static QString lowerCase(const QString &text);
};
