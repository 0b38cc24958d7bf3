#include "document/textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <QHash>

#include <algorithm>
#include <initializer_list>
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
// 0x80-0x9F through as a C1 control, which no EUC-JP page means to hold, and
// reads 0x8E 0xE0-0xE2, which are no half-width katakana and which browsers
// take for damage, as ¢ £ ¬ (no other EUC-JP code reads as those three).
bool looksLikeStandIn(char16_t c, TextEncoding encoding)
{
    if (c == ReplacementCharacter)
        return true;
    if (encoding == TextEncoding::Utf8)
        return false;
    if (c == Substitute)
        return true;
    if (encoding != TextEncoding::EucJp)
        return false;
    return (c >= 0x80 && c <= 0x9F) || c == 0xA2 || c == 0xA3 || c == 0xAC;
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

// Characters the platform's decoders read but its encoders can't write back
// as they came: in ISO-2022-JP the IBM kanji of JIS rows 89-92 (髙, 﨑 and the
// small Roman numerals among them) and the half-width katakana of JIS X 0201,
// which Windows mail and editors write and browsers read; in EUC-JP the
// broken bar ¦ of JIS X 0212. A file holding them is written back with its
// own codes instead of being refused.
struct OneWayCode {
    QByteArray escape; // the ISO-2022-JP mode the code is in
    QByteArray bytes;
};
using OneWayCodes = QHash<char16_t, OneWayCode>;

constexpr const char *AsciiEscape = "\x1b(B";

// Adds `bytes` (after `escape`) when they decode to one character that the
// encoder does not write back as that character.
void addWhenOneWay(OneWayCodes &table, TextEncoding encoding, const QByteArray &escape, const QByteArray &bytes)
{
    const QByteArray end = escape.isEmpty() ? QByteArray() : QByteArray(AsciiEscape);
    QStringDecoder decoder = makeDecoder(encoding);
    const QString text = decoder.decode(escape + bytes + end);
    if (decoder.hasError() || text.size() != 1 || looksLikeStandIn(text.at(0).unicode(), encoding))
        return;
    // Where a character has two such codes the first one is kept, so the
    // bytes written are the same each time.
    if (table.contains(text.at(0).unicode()))
        return;
    QStringEncoder encoder = makeEncoder(encoding);
    QByteArray written = encoder.encode(text);
    written += encoder.encode(QStringView(u"\n"));
    QStringDecoder back = makeDecoder(encoding);
    const QString reread = back.decode(written);
    if (encoder.hasError() || back.hasError() || reread != text + u'\n')
        table.insert(text.at(0).unicode(), OneWayCode{escape, bytes});
}

QByteArray codeBytes(std::initializer_list<char> bytes)
{
    return QByteArray(bytes.begin(), qsizetype(bytes.size()));
}

const OneWayCodes &oneWayCodes(TextEncoding encoding)
{
    static const OneWayCodes iso2022Jp = [] {
        OneWayCodes table;
        for (char row = 0x79; row <= 0x7C; ++row) {
            for (char cell = 0x21; cell <= 0x7E; ++cell)
                addWhenOneWay(table, TextEncoding::Iso2022Jp, "\x1b$B", codeBytes({row, cell}));
        }
        for (char kana = 0x21; kana <= 0x5F; ++kana)
            addWhenOneWay(table, TextEncoding::Iso2022Jp, "\x1b(I", QByteArray(1, kana));
        return table;
    }();
    static const OneWayCodes eucJp = [] {
        // Two-byte codes all come back as they were; the rest are looked
        // for among the half-width katakana (SS2) and in JIS X 0212 (SS3).
        OneWayCodes table;
        for (int second = 0xA1; second <= 0xFE; ++second)
            addWhenOneWay(table, TextEncoding::EucJp, {}, codeBytes({'\x8E', char(second)}));
        for (int row = 0xA1; row <= 0xFE; ++row) {
            for (int cell = 0xA1; cell <= 0xFE; ++cell)
                addWhenOneWay(table, TextEncoding::EucJp, {}, codeBytes({'\x8F', char(row), char(cell)}));
        }
        return table;
    }();
    static const OneWayCodes none;
    switch (encoding) {
    case TextEncoding::Iso2022Jp:
        return iso2022Jp;
    case TextEncoding::EucJp:
        return eucJp;
    default:
        return none;
    }
}

// EUC-JP through the platform's encoder, with the codes of `oneWayCodes`
// put in where their characters stand (the encoding keeps no state).
QByteArray encodeEucJp(QStringView text, QStringEncoder &encoder)
{
    const OneWayCodes &oneWay = oneWayCodes(TextEncoding::EucJp);
    QByteArray bytes;
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto code = oneWay.constFind(text.at(i).unicode());
        if (code == oneWay.cend())
            continue;
        if (i > from)
            bytes += encoder.encode(text.sliced(from, i - from));
        bytes += code->bytes;
        from = i + 1;
    }
    bytes += encoder.encode(text.sliced(from));
    return bytes;
}

// The escape sequence that starts at `at` (ESC, intermediates, final byte).
QByteArray escapeAt(const QByteArray &bytes, qsizetype at)
{
    qsizetype end = at + 1;
    while (end < bytes.size() && bytes.at(end) >= 0x20 && bytes.at(end) <= 0x2F)
        ++end;
    return bytes.mid(at, end + 1 - at);
}

// ISO-2022-JP through the platform's encoder, with the codes of `oneWayCodes`
// spliced in. The encoder keeps a mode of its own that the spliced codes leave
// alone: each splice switches as it needs, and the mode the encoder believes
// in is switched back to just before the encoder writes again, so that no
// escape is left with nothing after it (which readers take for damage).
QByteArray encodeIso2022Jp(QStringView text, QStringEncoder &encoder)
{
    const OneWayCodes &extras = oneWayCodes(TextEncoding::Iso2022Jp);
    QByteArray bytes;
    QByteArray believed = AsciiEscape; // the encoder's mode
    QByteArray actual = believed;      // the mode the bytes are in
    const auto write = [&](QStringView piece) {
        // A run of spliced codes leaves nothing between them to encode.
        if (piece.isEmpty())
            return;
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
        bytes += extra->bytes;
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
    } else if (encoding == TextEncoding::EucJp) {
        bytes = encodeEucJp(text, encoder);
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

qsizetype TextCodec::firstUnencodable(QStringView text, TextEncoding encoding)
{
    QHash<char32_t, bool> verdicts;
    for (qsizetype i = 0; i < text.size();) {
        const char16_t c = text.at(i).unicode();
        if ((c >= 0x20 && c < 0x7F) || c == u'\n' || c == u'\r' || c == u'\t') {
            ++i;
            continue;
        }
        qsizetype length = 1;
        char32_t codePoint = c;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            length = 2;
            codePoint = QChar::surrogateToUcs4(c, text.at(i + 1).unicode());
        } else if (QChar::isSurrogate(c)) {
            return i;
        }
        auto verdict = verdicts.constFind(codePoint);
        if (verdict == verdicts.constEnd())
            verdict = verdicts.insert(codePoint, encodeExactly(text.sliced(i, length), encoding).has_value());
        if (!verdict.value())
            return i;
        i += length;
    }
    return -1;
}

QString TextCodec::characterName(QStringView text, qsizetype position)
{
    const char16_t c = text.at(position).unicode();
    char32_t codePoint = c;
    qsizetype length = 1;
    if (QChar::isHighSurrogate(c) && position + 1 < text.size() && QChar::isLowSurrogate(text.at(position + 1).unicode())) {
        codePoint = QChar::surrogateToUcs4(c, text.at(position + 1).unicode());
        length = 2;
    }
    const bool visible = !QChar::isSurrogate(codePoint) && QChar::isPrint(codePoint) && !QChar::isMark(codePoint)
                         && !QChar::isSpace(codePoint);
    if (visible)
        return text.sliced(position, length).toString();
    return QStringLiteral("U+%1").arg(uint(codePoint), 4, 16, QLatin1Char('0')).toUpper();
}
