#include "document/documentfile.h"

#include "document/charsetdeclaration.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>
#include <optional>

namespace {

constexpr char16_t ReplacementCharacter = 0xFFFD;
const QByteArrayView Utf8Bom("\xEF\xBB\xBF", 3);

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

// Decodes the whole of `bytes`. The decoder keeps an incomplete sequence at
// the end to itself, waiting for more input; a line break fed after it makes
// such a tail show up as an error instead of vanishing.
QString decodeAll(QStringDecoder &decoder, QByteArrayView bytes)
{
    QString text(decoder.requiredSpace(bytes.size() + 1), Qt::Uninitialized);
    QChar *end = decoder.appendToBuffer(text.data(), bytes);
    end = decoder.appendToBuffer(end, QByteArrayView("\n", 1));
    qsizetype length = end - text.constData();
    if (length > 0 && text.at(length - 1) == u'\n')
        --length;
    text.truncate(length);
    return text;
}

// `text` encoded so that it decodes back to exactly the same characters, or
// nothing. The round trip catches what the encoder lets through silently
// (a few one-way mappings, lone surrogates in UTF-8).
std::optional<QByteArray> encodeExactly(QStringView text, TextEncoding encoding)
{
    QStringEncoder encoder = makeEncoder(encoding);
    QByteArray bytes = encoder.encode(text);
    if (encoding == TextEncoding::Iso2022Jp) {
        // The encoder stays in a kanji mode at the end of its input until more
        // text comes; an ASCII character makes it switch back, as the file needs.
        QByteArray tail = encoder.encode(QStringView(u"\n"));
        tail.chop(1);
        bytes += tail;
    }
    if (encoder.hasError())
        return std::nullopt;
    QStringDecoder decoder = makeDecoder(encoding);
    if (decodeAll(decoder, bytes) != text || decoder.hasError())
        return std::nullopt;
    return bytes;
}

enum class ByteContent { Ascii, Utf8, Other };

// Stops at the first byte that can't be UTF-8, so a Shift-JIS file costs
// next to nothing here.
ByteContent classify(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *const end = p + bytes.size();
    bool ascii = true;
    while (p < end) {
        if (end - p >= 8) {
            quint64 block;
            std::memcpy(&block, p, 8);
            if ((block & 0x8080808080808080ULL) == 0) {
                p += 8;
                continue;
            }
        }
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        ascii = false;
        int follow;
        char32_t min;
        char32_t value;
        if (c >= 0xC2 && c <= 0xDF) {
            follow = 1;
            min = 0x80;
            value = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            follow = 2;
            min = 0x800;
            value = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            follow = 3;
            min = 0x10000;
            value = c & 0x07;
        } else {
            return ByteContent::Other;
        }
        if (end - p <= follow)
            return ByteContent::Other;
        for (int k = 1; k <= follow; ++k) {
            if ((p[k] & 0xC0) != 0x80)
                return ByteContent::Other;
            value = (value << 6) | (p[k] & 0x3F);
        }
        if (value < min || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return ByteContent::Other;
        p += follow + 1;
    }
    return ascii ? ByteContent::Ascii : ByteContent::Utf8;
}

// A 7-bit file that switches to JIS kanji or kana is ISO-2022-JP even without
// a declaration; read as Shift-JIS it would be escape codes and letters.
bool hasIso2022Escape(QByteArrayView bytes)
{
    qsizetype i = 0;
    while ((i = bytes.indexOf('\x1B', i)) >= 0 && i + 2 < bytes.size()) {
        const char a = bytes.at(i + 1);
        const char b = bytes.at(i + 2);
        if ((a == '$' && (b == 'B' || b == '@')) || (a == '(' && (b == 'J' || b == 'I')))
            return true;
        ++i;
    }
    return false;
}

TextEncoding detectEncoding(QByteArrayView bytes)
{
    if (auto declared = CharsetDeclaration::find(
            QString::fromLatin1(bytes.first(qMin(bytes.size(), CharsetDeclaration::ScanLength)))))
        return *declared;
    switch (classify(bytes)) {
    case ByteContent::Utf8:
        return TextEncoding::Utf8;
    case ByteContent::Ascii:
        return hasIso2022Escape(bytes) ? TextEncoding::Iso2022Jp : TextEncoding::ShiftJis;
    case ByteContent::Other:
        break;
    }
    return TextEncoding::ShiftJis;
}

// One pass, in place: CR LF, LF and a lone CR each become "\n". A file with
// more than one style (or none) is written back with CR LF.
LineBreakStyle normaliseLineBreaks(QString &text)
{
    qsizetype crlf = 0;
    qsizetype lf = 0;
    qsizetype cr = 0;
    QChar *const data = text.data();
    const qsizetype size = text.size();
    qsizetype out = 0;
    for (qsizetype in = 0; in < size; ++in) {
        const QChar c = data[in];
        if (c == u'\r') {
            if (in + 1 < size && data[in + 1] == u'\n') {
                ++crlf;
                ++in;
            } else {
                ++cr;
            }
            data[out++] = u'\n';
        } else {
            if (c == u'\n')
                ++lf;
            data[out++] = c;
        }
    }
    text.truncate(out);
    if (text.capacity() > out + out / 4 + 64)
        text.squeeze();

    const int styles = (crlf > 0) + (lf > 0) + (cr > 0);
    if (styles != 1 || crlf > 0)
        return LineBreakStyle::CrLf;
    return lf > 0 ? LineBreakStyle::Lf : LineBreakStyle::Cr;
}

// Where a character that did not decode stands, and how many there are. The
// legacy decoders show an unassigned byte as SUB (U+001A) instead of U+FFFD;
// unless the file holds the byte that really means SUB, every SUB is such a
// stand-in and is made a visible U+FFFD.
struct Undecodable {
    int count = 0;
    qsizetype firstPosition = -1;
};

Undecodable markUndecodable(QString &text, QByteArrayView bytes, TextEncoding encoding)
{
    bool subIsStandIn = false;
    if (encoding == TextEncoding::ShiftJis)
        subIsStandIn = !bytes.contains('\x7F'); // code page 932 swaps 0x1A, 0x1C and 0x7F
    else if (encoding != TextEncoding::Utf8)
        subIsStandIn = !bytes.contains('\x1A');

    Undecodable found;
    QChar *const data = text.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = data[i].unicode();
        if (c == ReplacementCharacter || (subIsStandIn && c == 0x1A)) {
            data[i] = QChar(ReplacementCharacter);
            if (found.firstPosition < 0)
                found.firstPosition = i;
            ++found.count;
        }
    }
    return found;
}

int lineOf(QStringView text, qsizetype position)
{
    return int(text.left(position).count(u'\n')) + 1;
}

QString undecodableWarning(const QString &path, TextEncoding encoding, const Undecodable &found,
                           int line)
{
    const QString name = textEncodingName(encoding);
    QString message;
    if (found.count > 0) {
        message = QStringLiteral("ファイル「%1」には、%2 として読めない部分が %3 か所あります"
                                 "（最初は %4 行目）。読めなかった部分は「\uFFFD」で表示しています。")
                      .arg(path, name, QString::number(found.count), QString::number(line));
    } else {
        message = QStringLiteral("ファイル「%1」には、%2 として読めない部分があります。").arg(path, name);
    }
    if (encoding == TextEncoding::Utf8)
        message += QStringLiteral("このまま保存すると、その部分は「\uFFFD」として保存されます。");
    else
        message += QStringLiteral("「\uFFFD」が残っている間は、この文字コードでは保存できません。");
    message += QStringLiteral("文字コードの宣言が正しいか確認してください。");
    return message;
}

// Characters that Japanese input methods produce in their JIS form while code
// page 932 (and the EUC-JP and ISO-2022-JP tables here) only hold the
// Microsoft form. Both look alike, so a save maps them instead of refusing;
// the file then reads back with the Microsoft form.
constexpr struct {
    char16_t jis;
    char16_t microsoft;
} VariantCharacters[] = {
    {0x301C, 0xFF5E}, // 〜 wave dash → ～ fullwidth tilde
    {0x2016, 0x2225}, // ‖ double vertical line → ∥ parallel to
    {0x2212, 0xFF0D}, // − minus sign → － fullwidth hyphen-minus
    {0x00A2, 0xFFE0}, // ¢
    {0x00A3, 0xFFE1}, // £
    {0x00AC, 0xFFE2}, // ¬
    {0x2014, 0x2015}, // — em dash → ― horizontal bar
};

bool foldVariants(QString &text)
{
    bool changed = false;
    for (const auto &variant : VariantCharacters) {
        if (text.contains(QChar(variant.jis))) {
            text.replace(QChar(variant.jis), QChar(variant.microsoft));
            changed = true;
        }
    }
    return changed;
}

// The first character the encoding can't hold, tested one distinct character
// at a time. Only run once a save has failed, so the usual save stays one pass.
qsizetype firstUnencodable(QStringView text, TextEncoding encoding)
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
        if (QChar::isHighSurrogate(c) && i + 1 < text.size()
            && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            length = 2;
            codePoint = QChar::surrogateToUcs4(c, text.at(i + 1).unicode());
        } else if (QChar::isSurrogate(c)) {
            return i;
        }
        auto verdict = verdicts.constFind(codePoint);
        if (verdict == verdicts.constEnd()) {
            verdict = verdicts.insert(codePoint,
                                      encodeExactly(text.mid(i, length), encoding).has_value());
        }
        if (!verdict.value())
            return i;
        i += length;
    }
    return -1;
}

QString describeCharacter(QStringView text, qsizetype position)
{
    const char16_t c = text.at(position).unicode();
    char32_t codePoint = c;
    qsizetype length = 1;
    if (QChar::isHighSurrogate(c) && position + 1 < text.size()
        && QChar::isLowSurrogate(text.at(position + 1).unicode())) {
        codePoint = QChar::surrogateToUcs4(c, text.at(position + 1).unicode());
        length = 2;
    }
    const bool visible = !QChar::isSurrogate(codePoint) && QChar::isPrint(codePoint)
                         && !QChar::isMark(codePoint) && !QChar::isSpace(codePoint);
    if (visible)
        return text.mid(position, length).toString();
    return QStringLiteral("U+%1").arg(uint(codePoint), 4, 16, QLatin1Char('0')).toUpper();
}

QString withLineBreaks(const QString &text, LineBreakStyle style)
{
    switch (style) {
    case LineBreakStyle::Lf:
        return text;
    case LineBreakStyle::Cr:
        return QString(text).replace(u'\n', u'\r');
    case LineBreakStyle::CrLf:
        break;
    }
    return QString(text).replace(QChar(u'\n'), QStringLiteral("\r\n"));
}

// Writes through a temporary file that replaces the old one only when all of
// it is written, so a failure leaves the old file whole. Returns a message, or
// an empty string on success.
QString writeBytes(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return QStringLiteral("保存先のファイル名が指定されていません。");
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("「%1」はフォルダーのため、ファイルとして保存できません。").arg(path);
    if (!info.absoluteDir().exists()) {
        return QStringLiteral("保存先のフォルダー「%1」が見つからないため、ファイル「%2」を保存できません。")
            .arg(QDir::toNativeSeparators(info.absolutePath()), path);
    }
    // The temporary file would be renamed over a read-only file without a
    // word, so its protection is honoured here.
    if (info.exists() && !info.isWritable())
        return QStringLiteral("ファイル「%1」は読み取り専用のため保存できません。").arg(path);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("ファイル「%1」を保存できません（%2）。"
                              "保存先のフォルダーに書き込めるか確認してください。")
            .arg(path, file.errorString());
    }
    const bool written = file.write(bytes) == bytes.size();
    if (!written || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return QStringLiteral("ファイル「%1」を保存できませんでした（%2）。"
                              "ディスクの空き容量を確認してください。元のファイルは変更されていません。")
            .arg(path, reason);
    }
    return QString();
}

} // namespace

DocumentFile::ReadResult DocumentFile::read(const QString &path)
{
    ReadResult result;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        result.error = QStringLiteral("ファイル「%1」が見つかりません。").arg(path);
        return result;
    }
    if (info.isDir()) {
        result.error = QStringLiteral("「%1」はフォルダーのため開けません。").arg(path);
        return result;
    }
    if (!info.isFile()) {
        // A device or a pipe would never end, or block the window.
        result.error = QStringLiteral("「%1」は通常のファイルではないため開けません。").arg(path);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = info.isReadable()
            ? QStringLiteral("ファイル「%1」を開けません（%2）。").arg(path, file.errorString())
            : QStringLiteral("ファイル「%1」を読み込む権限がありません。").arg(path);
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = QStringLiteral("ファイル「%1」の読み込み中にエラーが起きました（%2）。")
                           .arg(path, file.errorString());
        return result;
    }

    QByteArrayView body(bytes);
    if (body.startsWith(Utf8Bom)) {
        result.format.encoding = TextEncoding::Utf8;
        result.format.hasBom = true;
        body = body.sliced(Utf8Bom.size());
    } else {
        result.format.encoding = detectEncoding(body);
    }

    QStringDecoder decoder = makeDecoder(result.format.encoding);
    if (!decoder.isValid()) {
        result.error = QStringLiteral("文字コード %1 を扱えないため、ファイル「%2」を開けません。")
                           .arg(textEncodingName(result.format.encoding), path);
        return result;
    }
    result.text = decodeAll(decoder, body);
    const bool undecodable = decoder.hasError();
    result.format.lineBreak = normaliseLineBreaks(result.text);
    if (undecodable) {
        const Undecodable found = markUndecodable(result.text, body, result.format.encoding);
        result.undecodableCount = found.count;
        if (found.firstPosition >= 0)
            result.firstUndecodableLine = lineOf(result.text, found.firstPosition);
        result.warning = undecodableWarning(path, result.format.encoding, found,
                                            result.firstUndecodableLine);
    }
    result.ok = true;
    return result;
}

TextFileFormat DocumentFile::formatForSaving(const QString &text, const TextFileFormat &readFormat)
{
    TextFileFormat format = readFormat;
    if (auto declared = CharsetDeclaration::find(text))
        format.encoding = *declared;
    format.hasBom = readFormat.hasBom && format.encoding == TextEncoding::Utf8;
    return format;
}

DocumentFile::WriteResult DocumentFile::write(const QString &path, const QString &text,
                                              const TextFileFormat &readFormat)
{
    WriteResult result;
    const TextFileFormat format = formatForSaving(text, readFormat);
    const QString encodingName = textEncodingName(format.encoding);
    if (!makeEncoder(format.encoding).isValid()) {
        result.error = QStringLiteral("文字コード %1 を扱えないため、ファイル「%2」を保存できません。")
                           .arg(encodingName, path);
        return result;
    }

    std::optional<QByteArray> bytes =
        encodeExactly(withLineBreaks(text, format.lineBreak), format.encoding);
    QString folded;
    if (!bytes && format.encoding != TextEncoding::Utf8) {
        folded = text;
        if (foldVariants(folded))
            bytes = encodeExactly(withLineBreaks(folded, format.lineBreak), format.encoding);
    }
    if (!bytes) {
        // Folding is one character for one, so positions in `folded` are the
        // positions in `text`.
        const QStringView checked = folded.isEmpty() ? QStringView(text) : QStringView(folded);
        const qsizetype position = firstUnencodable(checked, format.encoding);
        result.unencodablePosition = position;
        if (position >= 0) {
            result.error = QStringLiteral("「%1」（%2行目）はこのファイルの文字コード（%3）では保存できません。"
                                          "この文字を別の文字に置き換えるか、文字コードの宣言を変えてから"
                                          "保存してください。")
                               .arg(describeCharacter(text, position),
                                    QString::number(lineOf(text, position)), encodingName);
        } else {
            result.error = QStringLiteral("この文書はこのファイルの文字コード（%1）では正しく保存できません。")
                               .arg(encodingName);
        }
        return result;
    }

    if (format.hasBom)
        bytes->prepend(Utf8Bom.data(), Utf8Bom.size());
    result.error = writeBytes(path, *bytes);
    if (!result.error.isEmpty())
        return result;
    result.ok = true;
    result.format = format;
    return result;
}
