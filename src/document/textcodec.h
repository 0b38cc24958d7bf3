#pragma once

#include "document/textfileformat.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// Turns a document's bytes into text and back in one of the encodings the
// program reads and writes. Every byte 0x00-0x7F outside a multibyte
// character stays that character both ways, and bytes that don't decode are
// told apart from characters that merely look like the converter's stand-ins.
class TextCodec
{
public:
    struct Decoded {
        // Line breaks as they were in the bytes. Each spot that did not
        // decode is one U+FFFD.
        QString text;
        qsizetype undecodableCount = 0;
        qsizetype firstUndecodable = -1; // index in `text`; -1 when all decoded
    };

    // Whether the platform has a converter for `encoding`.
    static bool isAvailable(TextEncoding encoding);

    // Decodes the whole of `bytes` (without a byte-order mark).
    static Decoded decode(QByteArrayView bytes, TextEncoding encoding);

    // `text` encoded so that it decodes back to exactly the same characters,
    // or nothing when some character can't be held.
    static std::optional<QByteArray> encodeExactly(QStringView text, TextEncoding encoding);

    // The index of the first character `encoding` can't hold, or -1. Tries
    // each distinct character once: meant for after a whole encode failed.
    static qsizetype firstUnencodable(QStringView text, TextEncoding encoding);
    // The character at `position` as a user can find it: itself, or its
    // U+XXXX code when it shows as nothing (a blank, a mark, a control).
    static QString characterName(QStringView text, qsizetype position);
};
