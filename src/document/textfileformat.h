#pragma once

#include <QString>

#include <optional>

// The character encodings a document file can be read from and written back in.
enum class TextEncoding {
    Utf8,
    ShiftJis, // code page 932, the encoding of every document the program creates
    EucJp,
    Iso2022Jp,
};

enum class LineBreakStyle {
    CrLf,
    Lf,
    Cr,
};

// How a document's file was stored, so that a save can write it back the same
// way. Default-constructed, it describes a new document.
struct TextFileFormat {
    TextEncoding encoding = TextEncoding::ShiftJis;
    bool hasBom = false; // a UTF-8 byte-order mark; meaningless for the other encodings
    LineBreakStyle lineBreak = LineBreakStyle::CrLf;
    // Some bytes did not decode and show as U+FFFD. A save would write the
    // stand-in over the bytes, so it waits until no U+FFFD is left.
    bool undecodable = false;
    // The charset the file declared but that did not decode it, so `encoding`
    // was found further down. While the text still declares this charset the
    // file is written back in `encoding`; another declaration rules as usual.
    std::optional<TextEncoding> passedOverDeclaration;

    bool operator==(const TextFileFormat &other) const
    {
        return encoding == other.encoding && hasBom == other.hasBom
            && lineBreak == other.lineBreak && undecodable == other.undecodable
            && passedOverDeclaration == other.passedOverDeclaration;
    }
    bool operator!=(const TextFileFormat &other) const { return !(*this == other); }
};

// The name users know the encoding by, as written in a charset declaration.
inline QString textEncodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::ShiftJis:
        return QStringLiteral("Shift_JIS");
    case TextEncoding::EucJp:
        return QStringLiteral("EUC-JP");
    case TextEncoding::Iso2022Jp:
        return QStringLiteral("ISO-2022-JP");
    }
    return QString();
}
