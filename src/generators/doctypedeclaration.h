#pragma once

#include "shared/syntaxcolor.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <optional>

// The document type declaration that the page settings write for an entry of
// the document type box, and the one a page already has.
class DoctypeDeclaration
{
public:
    struct Span {
        qsizetype start = 0;
        qsizetype length = 0;
    };

    // "HTML PUBLIC", "HTMLPLUS SYSTEM", "HTML SYSTEM" or "html PUBLIC", by
    // substring tests on the entry, a later match winning.
    static QString keyword(const QString &entry);
    // The second quoted string of the declaration; empty for most entries.
    static QString systemIdentifier(const QString &entry);
    // Whether the entry asks for `<!DOCTYPE html>` ("HTML5" in any letter case).
    static bool isHtml5(const QString &entry);

    // "<" in the caret's colour, the declaration in red, ">" in black, and a
    // line break after it when asked.
    static PieceList pieces(const QString &entry, bool lineBreak);

    // The page's declaration, for a "<!DOCTYPE" (any letter case) found at
    // `start` (-1: none): through the first ">" after it. One that never
    // closes (no ">" before the next "<") is not taken for one, so replacing
    // it can't swallow the markup after it.
    static std::optional<Span> spanAt(QStringView text, qsizetype start);
    // What opens a declaration, in lower case.
    static QLatin1StringView opening() { return QLatin1StringView("<!doctype"); }

    // The entry that describes a declaration: its first quoted string, or
    // "HTML5" for `<!DOCTYPE html>`; none when it shows neither.
    static std::optional<QString> entryOf(QStringView declaration);
};
