#pragma once

#include "document/textfileformat.h"

#include <QStringView>

#include <optional>

// Finds the character encoding that a page declares about itself: a <meta>
// charset (either form), an XML declaration's encoding, or a style sheet's
// leading @charset rule. Reading uses it on the file's first bytes, saving on
// the text as it stands, so a page whose head was changed to another charset
// is written in that charset.
class CharsetDeclaration
{
public:
    // Declarations further into the text are not looked for: browsers expect
    // them in the head, and the scan has to stay cheap on large files.
    static constexpr qsizetype ScanLength = 8192;

    // The first declaration, within ScanLength characters, that names an
    // encoding we can read and write. Declarations inside comments don't count.
    static std::optional<TextEncoding> find(QStringView text);

    // Maps a charset label, in any letter case, including the common aliases.
    static std::optional<TextEncoding> encodingForName(QStringView name);
};
