#pragma once

#include "generators/pagesettings.h"
#include "generators/sourceedit.h"

#include <QString>

// Writes the page settings back into a page as a list of edits, applied in
// order: the document type declaration first, then the charset, script-type
// and style-type meta tags, the html element's language and the title. Values
// that are there are replaced in place, missing elements are added where the
// head begins, so applying the same settings twice changes nothing more.
class PageSettingsWriter
{
public:
    // `skeleton` is what the basic tag input writes; it goes in after the
    // declaration when the page is blank. In a page without a head tag, the
    // elements go after the html start tag, else after the declaration.
    static SourceEdits write(const QString &text, const PageSettings &settings, const PieceList &skeleton);

    // The elements added to a head, without the line break before them.
    static PieceList charsetMeta(const QString &charset);
    static PieceList scriptTypeMeta();
    static PieceList styleTypeMeta();
    static PieceList titleElement(const QString &title);
};
