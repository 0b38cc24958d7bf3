#pragma once

#include "document/textfileformat.h"

#include <QList>
#include <QStringView>

#include <functional>
#include <optional>

// Finds the character encoding that a page declares about itself: a <meta>
// charset (either form, any spelling), an XML declaration's encoding, or a
// style sheet's leading @charset rule. Reading uses it on the file's first
// bytes, saving on the text as it stands, so a page whose head was changed to
// another charset is written in that charset; the page settings read and
// replace the same declarations, so what they show is what reading sees.
class CharsetDeclaration
{
public:
    // Declarations further into the text are not looked for: browsers expect
    // them in the head, and the scan has to stay cheap on large files.
    static constexpr qsizetype ScanLength = 8192;

    // One declared value, as the text spells it.
    struct Value {
        qsizetype start = 0;
        qsizetype length = 0;
        std::optional<TextEncoding> encoding; // none: a label we can't read or write
    };

    // The first declaration, within ScanLength characters, that names an
    // encoding we can read and write. Declarations inside comments don't count.
    static std::optional<TextEncoding> find(QStringView text);

    // Every declared value within `limit` characters, in the order of the
    // text, whatever label it holds.
    static QList<Value> values(QStringView text, qsizetype limit = ScanLength);

    // Calls `visit` with the position of every "<" that the search looks at,
    // in order: those outside comments and outside the <meta> and <?xml>
    // tags it reads. Text that this never reaches is never searched, so a
    // declaration put there would go unseen. `visit` returns false to stop.
    static void walk(QStringView text, const std::function<bool(qsizetype)> &visit);

    // Maps a charset label, in any letter case, including the common aliases.
    static std::optional<TextEncoding> encodingForName(QStringView name);
};
