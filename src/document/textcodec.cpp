#include "document/textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

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
    } else {
        bytes = encoder.encode(text);
    }
    if (encoding == TextEncoding::Iso2022Jp) {
        // The encoder stays in a kanji mode at the end of its input until more
        // text comes; an ASCII character makes it switch back, as the file needs.
        QByteArray tail = encoder.encode(QStringView(u"\n"));
        tail.chop(1);
        bytes += tail;
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
