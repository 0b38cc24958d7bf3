#include "document/textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <QHash>

#include <algorithm>
#include <vector>

namespace {

constexpr char16_t ReplacementCharacter = 0xFFFD;
constexpr char16_t Substitute = 0x1A;

const char *icuName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return "UTF-8";
    case TextEncoding::ShiftJis:
        // Code page 932 rather than plain Shift_JIS: files made on Japanese
        // systems use its extra rows (circled digits, NEC and IBM kanji).
        return "windows-31j";
    case TextEncoding::EucJp:
        return "EUC-JP";
    case TextEncoding::Iso2022Jp:
        return "ISO-2022-JP";
    }
    return "UTF-8";
}

QStringDecoder makeDecoder(TextEncoding encoding)
{
    // The file's own mark is taken off before decoding, so a second one is a
    // character of the text and must stay.
    if (encoding == TextEncoding::Utf8)
        return QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return QStringDecoder(icuName(encoding));
}

QStringEncoder makeEncoder(TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return QStringEncoder(QStringConverter::Utf8);
    return QStringEncoder(icuName(encoding));
}

// Characters the converters also put in place of bytes they could not
// decode. The legacy converters use SUB; the EUC-JP one passes a lone byte
// 0x80-0x9F through as a C1 control, which no EUC-JP page means to hold.
bool looksLikeStandIn(char16_t c, TextEncoding encoding)
{
    if (c == ReplacementCharacter)
        return true;
    if (encoding == TextEncoding::Utf8)
        return false;
    if (c == Substitute)
        return true;
    return encoding == TextEncoding::EucJp && c >= 0x80 && c <= 0x9F;
}

// Bytes whose character we decide ourselves: what the converter gives for
// them, and what they really are.
struct Marker {
    qsizetype at = -1;
    qsizetype length = 0;
    char16_t converterGives = 0;
    char16_t character = 0;
};

// The platform's code page 932 maps 0x1A, 0x1C and 0x7F round a cycle (an
// old mainframe habit); a web page means the ASCII controls by them. The
// other markers are bytes that really are a stand-in look-alike (SUB, or
// U+FFFD written out in UTF-8), so they can be told from a stand-in.
Marker nextMarker(QByteArrayView bytes, qsizetype from, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8: {
        const qsizetype at = bytes.indexOf(QByteArrayView("\xEF\xBF\xBD", 3), from);
        if (at < 0)
            return {};
        return {at, 3, ReplacementCharacter, ReplacementCharacter};
    }
    case TextEncoding::ShiftJis:
        for (qsizetype i = from; i < bytes.size(); ++i) {
            switch (bytes.at(i)) {
            case '\x1A':
                return {i, 1, 0x1C, 0x1A};
            case '\x1C':
                return {i, 1, 0x7F, 0x1C};
            case '\x7F':
                return {i, 1, 0x1A, 0x7F};
            default:
                break;
            }
        }
        return {};
    case TextEncoding::EucJp:
    case TextEncoding::Iso2022Jp: {
        const qsizetype at = bytes.indexOf('\x1A', from);
        if (at < 0)
            return {};
        return {at, 1, Substitute, Substitute};
    }
    }
    return {};
}

// Feeds a decoder piece by piece into one growing buffer.
class DecodeBuffer
{
public:
    DecodeBuffer(QStringDecoder &decoder, qsizetype expected)
        : m_decoder(decoder), m_text(decoder.requiredSpace(expected), Qt::Uninitialized)
    {
    }

    void feed(QByteArrayView bytes)
    {
        const qsizetype need = m_decoder.requiredSpace(bytes.size());
        if (m_text.size() - m_used < need)
            m_text.resize(std::max(m_used + need, m_text.size() + m_text.size() / 2));
        const QChar *end = m_decoder.appendToBuffer(m_text.data() + m_used, bytes);
        m_used = end - m_text.constData();
    }

    qsizetype size() const { return m_used; }
    char16_t last() const { return m_used > 0 ? m_text.at(m_used - 1).unicode() : 0; }
    void setLast(char16_t c) { m_text[m_used - 1] = QChar(c); }
    void dropLast() { --m_used; }
    QString take()
    {
        m_text.truncate(m_used);
        return std::move(m_text);
    }

private:
    QStringDecoder &m_decoder;
    QString m_text;
    qsizetype m_used = 0;
};

// ISO-2022-JP characters the platform's decoder reads but its encoder can't
// write: the IBM kanji of JIS rows 89-92 (髙, 﨑 and the small Roman numerals
// among them) and the half-width katakana of JIS X 0201, both of which Windows
// mail and editors write and browsers read. A file holding them is written
// back with the same codes instead of being refused.
struct JisCode {
    const char *escape = nullptr;
    char bytes[2] = {};
    qsizetype length = 0;
};

constexpr const char *AsciiEscape = "\x1b(B";
constexpr const char *KanjiEscape = "\x1b$B";
constexpr const char *KatakanaEscape = "\x1b(I";

const QHash<char16_t, JisCode> &jisExtras()
{
    static const QHash<char16_t, JisCode> extras = [] {
        QHash<char16_t, JisCode> table;
        const auto add = [&table](const char *escape, QByteArrayView code) {
            QStringDecoder decoder(icuName(TextEncoding::Iso2022Jp));
            const QString text = decoder.decode(QByteArray(escape) + code.toByteArray() + AsciiEscape);
            if (decoder.hasError() || text.size() != 1
                || looksLikeStandIn(text.at(0).unicode(), TextEncoding::Iso2022Jp))
                return;
            // The encoder only runs when its result is taken as bytes.
            QStringEncoder encoder(icuName(TextEncoding::Iso2022Jp));
            const QByteArray written = encoder.encode(text);
            // Where a character has two codes the first one read is kept, so
            // the bytes written are the same each time.
            if (!encoder.hasError() || table.contains(text.at(0).unicode()))
                return;
            JisCode jis{escape, {code.at(0), code.size() > 1 ? code.at(1) : '\0'}, code.size()};
            table.insert(text.at(0).unicode(), jis);
        };
        for (char row = 0x79; row <= 0x7C; ++row) {
            for (char cell = 0x21; cell <= 0x7E; ++cell) {
                const char code[] = {row, cell};
                add(KanjiEscape, QByteArrayView(code, 2));
            }
        }
        for (char kana = 0x21; kana <= 0x5F; ++kana)
            add(KatakanaEscape, QByteArrayView(&kana, 1));
        return table;
    }();
    return extras;
}

// The escape sequence that starts at `at` (ESC, intermediates, final byte).
QByteArray escapeAt(const QByteArray &bytes, qsizetype at)
{
    qsizetype end = at + 1;
    while (end < bytes.size() && bytes.at(end) >= 0x20 && bytes.at(end) <= 0x2F)
        ++end;
    return bytes.mid(at, end + 1 - at);
}

// ISO-2022-JP through the platform's encoder, with the codes of `jisExtras`
// spliced in. The encoder keeps a mode of its own that the spliced codes leave
// alone: each splice switches as it needs, and the mode the encoder believes
// in is switched back to just before the encoder writes again, so that no
// escape is left with nothing after it (which readers take for damage).
QByteArray encodeIso2022Jp(QStringView text, QStringEncoder &encoder)
{
    const QHash<char16_t, JisCode> &extras = jisExtras();
    QByteArray bytes;
    QByteArray believed = AsciiEscape; // the encoder's mode
    QByteArray actual = believed;      // the mode the bytes are in
    const auto write = [&](QStringView piece) {
        const QByteArray out = encoder.encode(piece);
        if (out.isEmpty())
            return;
        if (actual != believed && !out.startsWith('\x1b'))
            bytes += believed;
        const qsizetype lastEscape = out.lastIndexOf('\x1b');
        if (lastEscape >= 0)
            believed = escapeAt(out, lastEscape);
        actual = believed;
        bytes += out;
    };
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto extra = extras.constFind(text.at(i).unicode());
        if (extra == extras.cend())
            continue;
        write(text.sliced(from, i - from));
        if (actual != extra->escape) {
            actual = extra->escape;
            bytes += actual;
        }
        bytes.append(extra->bytes, extra->length);
        from = i + 1;
    }
    write(text.sliced(from));
    // The encoder stays in a kanji mode at the end of its input until more
    // text comes; a line break makes it switch back. A file ends in ASCII.
    QByteArray tail = encoder.encode(QStringView(u"\n"));
    tail.chop(1);
    if (!tail.isEmpty()) {
        bytes += tail;
        actual = AsciiEscape;
    }
    if (actual != AsciiEscape)
        bytes += AsciiEscape;
    return bytes;
}

} // namespace

bool TextCodec::isAvailable(TextEncoding encoding)
{
    return makeDecoder(encoding).isValid() && makeEncoder(encoding).isValid();
}

TextCodec::Decoded TextCodec::decode(QByteArrayView bytes, TextEncoding encoding)
{
    QStringDecoder decoder = makeDecoder(encoding);
    DecodeBuffer buffer(decoder, bytes.size() + 1);

    // Where a marker's character looks like a stand-in but is the file's own.
    std::vector<qsizetype> genuine;
    qsizetype from = 0;
    for (Marker marker = nextMarker(bytes, 0, encoding); marker.at >= 0;
         marker = nextMarker(bytes, from, encoding)) {
        buffer.feed(bytes.sliced(from, marker.at + marker.length - from));
        from = marker.at + marker.length;
        // Anything else is the converter rejecting the byte where it stands
        // (SUB inside a kanji run, say), and stays a stand-in.
        if (buffer.last() == marker.converterGives) {
            buffer.setLast(marker.character);
            if (looksLikeStandIn(marker.character, encoding))
                genuine.push_back(buffer.size() - 1);
        }
    }
    buffer.feed(bytes.sliced(from));
    // The decoder keeps an incomplete sequence at the end to itself, waiting
    // for more input; a line break fed after it makes such a tail show up as
    // a stand-in instead of vanishing.
    const qsizetype beforeFlush = buffer.size();
    buffer.feed(QByteArrayView("\n", 1));
    if (buffer.size() > beforeFlush && buffer.last() == u'\n')
        buffer.dropLast();

    Decoded result;
    result.text = buffer.take();
    QChar *const data = result.text.data();
    auto nextGenuine = genuine.cbegin();
    for (qsizetype i = 0; i < result.text.size(); ++i) {
        if (!looksLikeStandIn(data[i].unicode(), encoding))
            continue;
        if (nextGenuine != genuine.cend() && *nextGenuine == i) {
            ++nextGenuine;
            continue;
        }
        data[i] = QChar(ReplacementCharacter);
        if (result.firstUndecodable < 0)
            result.firstUndecodable = i;
        ++result.undecodableCount;
    }
    return result;
}

std::optional<QByteArray> TextCodec::encodeExactly(QStringView text, TextEncoding encoding)
{
    QStringEncoder encoder = makeEncoder(encoding);
    QByteArray bytes;
    if (encoding == TextEncoding::ShiftJis) {
        // The converter's cycle of 0x1A, 0x1C and 0x7F, undone on the way out.
        qsizetype from = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text.at(i).unicode();
            if (c == 0x1A || c == 0x1C || c == 0x7F) {
                bytes += encoder.encode(text.sliced(from, i - from));
                bytes += char(c);
                from = i + 1;
            }
        }
        bytes += encoder.encode(text.sliced(from));
    } else if (encoding == TextEncoding::Iso2022Jp) {
        bytes = encodeIso2022Jp(text, encoder);
    } else {
        bytes = encoder.encode(text);
    }
    if (encoder.hasError())
        return std::nullopt;
    // The round trip catches what the encoder lets through silently (a few
    // one-way mappings, lone surrogates in UTF-8).
    const Decoded back = decode(bytes, encoding);
    if (back.undecodableCount > 0 || back.text != text)
        return std::nullopt;
    return bytes;
}
