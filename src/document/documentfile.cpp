#include "document/documentfile.h"

#include "document/charsetdeclaration.h"
#include "document/filewriter.h"
#include "document/textcodec.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace {

constexpr char16_t ReplacementCharacter = 0xFFFD;
const QByteArrayView Utf8Bom("\xEF\xBB\xBF", 3);

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

// The encodings to try, best guess first; reading takes the first that
// decodes every byte. A declaration can be wrong (a page copied from another
// site keeps its head), and older Japanese pages are often EUC-JP without
// saying so.
std::vector<TextEncoding> detectionOrder(QByteArrayView bytes, std::optional<TextEncoding> declared)
{
    std::vector<TextEncoding> order;
    const auto add = [&order](TextEncoding encoding) {
        if (std::find(order.begin(), order.end(), encoding) == order.end())
            order.push_back(encoding);
    };
    if (declared)
        add(*declared);
    switch (classify(bytes)) {
    case ByteContent::Utf8:
        add(TextEncoding::Utf8);
        break;
    case ByteContent::Ascii:
        // Every 7-bit file "decodes" as code page 932, escapes and all; one
        // that switches to kanji is ISO-2022-JP, damaged or not.
        if (hasIso2022Escape(bytes)) {
            add(TextEncoding::Iso2022Jp);
            return order;
        }
        break;
    case ByteContent::Other:
        break;
    }
    add(TextEncoding::ShiftJis);
    add(TextEncoding::EucJp);
    return order;
}

// The encodings reading tries for the bytes of a file, in order, with the
// one its head declares (none when a mark settles it); only those at hand.
std::vector<TextEncoding> readingOrder(QByteArrayView &body, bool *hasBom, std::optional<TextEncoding> *declared)
{
    std::vector<TextEncoding> order;
    *hasBom = body.startsWith(Utf8Bom);
    declared->reset();
    if (*hasBom) {
        // The mark settles it: a damaged UTF-8 file is still UTF-8.
        body = body.sliced(Utf8Bom.size());
        order.push_back(TextEncoding::Utf8);
    } else {
        *declared = CharsetDeclaration::find(
            QString::fromLatin1(body.first(qMin(body.size(), CharsetDeclaration::ScanLength))));
        order = detectionOrder(body, *declared);
    }
    order.erase(std::remove_if(order.begin(), order.end(),
                               [](TextEncoding e) { return !TextCodec::isAvailable(e); }),
                order.end());
    return order;
}

// Whether opening `bytes`, written from `text` in `encoding`, gives `text`
// back. The bytes decode to it in their own encoding (the encoder checked
// that), but reading guesses the encoding of an undeclared file, and a
// rewritten character can make an earlier guess fit the new bytes where it
// did not fit the old ones: an EUC-JP page would then open as other text.
bool readsBackAs(QByteArrayView bytes, const QString &text, TextEncoding encoding)
{
    bool hasBom = false;
    std::optional<TextEncoding> declared;
    const std::vector<TextEncoding> order = readingOrder(bytes, &hasBom, &declared);
    for (TextEncoding tried : order) {
        if (tried == encoding)
            return true;
        const TextCodec::Decoded decoded = TextCodec::decode(bytes, tried);
        if (decoded.undecodableCount == 0)
            return decoded.text == text;
    }
    return false;
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

int lineOf(QStringView text, qsizetype position)
{
    return int(text.left(position).count(u'\n')) + 1;
}

// The same before the line breaks are made "\n": CR LF, LF and a lone CR each
// end a line.
int rawLineOf(QStringView text, qsizetype position)
{
    qsizetype breaks = 0;
    for (qsizetype i = 0; i < position; ++i) {
        const QChar c = text.at(i);
        if (c == u'\n' || (c == u'\r' && (i + 1 >= text.size() || text.at(i + 1) != u'\n')))
            ++breaks;
    }
    return int(breaks) + 1;
}

QString undecodableWarning(const QString &path, TextEncoding encoding, qsizetype count, int line)
{
    return QStringLiteral("ファイル「%1」には、%2 として読めない部分が %3 か所あります"
                          "（最初は %4 行目）。読めなかった部分は「\uFFFD」で表示しています。"
                          "元のバイトを失わないよう、「\uFFFD」が残っている間は保存できません。"
                          "文字コードの宣言が正しいか確認してください。")
        .arg(path, textEncodingName(encoding), QString::number(count), QString::number(line));
}

QString passedOverWarning(const QString &path, TextEncoding declared, TextEncoding used)
{
    return QStringLiteral("ファイル「%1」は文字コードを %2 と宣言していますが、%2 としては読めない部分が"
                          "あるため、%3 として読み込みました。宣言と実際の文字コードが食い違っています。"
                          "保存するときも、宣言を書き換えるまでは %3 で保存します。")
        .arg(path, textEncodingName(declared), textEncodingName(used));
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
    result.identity = FileIdentity::ofDescriptor(file.handle());
    if (file.error() != QFileDevice::NoError) {
        result.error = QStringLiteral("ファイル「%1」の読み込み中にエラーが起きました（%2）。")
                           .arg(path, file.errorString());
        return result;
    }

    QByteArrayView body(bytes);
    std::optional<TextEncoding> declared;
    const std::vector<TextEncoding> order = readingOrder(body, &result.format.hasBom, &declared);
    if (order.empty()) {
        const TextEncoding wanted = declared.value_or(TextEncoding::ShiftJis);
        result.error = QStringLiteral("文字コード %1 を扱えないため、ファイル「%2」を開けません。")
                           .arg(textEncodingName(wanted), path);
        return result;
    }

    // When none decodes cleanly, the first guess is shown with its damage
    // marked: the declared charset, or code page 932 for an undeclared file.
    std::optional<TextCodec::Decoded> best;
    TextEncoding bestEncoding = order.front();
    for (TextEncoding encoding : order) {
        TextCodec::Decoded decoded = TextCodec::decode(body, encoding);
        if (decoded.undecodableCount == 0) {
            best = std::move(decoded);
            bestEncoding = encoding;
            break;
        }
        if (!best)
            best = std::move(decoded);
    }

    result.format.encoding = bestEncoding;
    result.text = std::move(best->text);
    if (best->undecodableCount > 0) {
        result.undecodableCount = int(best->undecodableCount);
        result.firstUndecodableLine = rawLineOf(result.text, best->firstUndecodable);
        result.format.undecodable = true;
        result.warning = undecodableWarning(path, bestEncoding, best->undecodableCount,
                                            result.firstUndecodableLine);
    } else if (declared && *declared != bestEncoding) {
        result.format.passedOverDeclaration = declared;
        result.warning = passedOverWarning(path, *declared, bestEncoding);
    }
    result.format.lineBreak = normaliseLineBreaks(result.text);
    result.ok = true;
    return result;
}

TextFileFormat DocumentFile::formatForSaving(const QString &text, const TextFileFormat &readFormat)
{
    TextFileFormat format = readFormat;
    const std::optional<TextEncoding> declared = CharsetDeclaration::find(text);
    if (declared && declared != readFormat.passedOverDeclaration) {
        format.encoding = *declared;
        format.passedOverDeclaration.reset();
    }
    format.hasBom = readFormat.hasBom && format.encoding == TextEncoding::Utf8;
    return format;
}

DocumentFile::WriteResult DocumentFile::write(const QString &path, const QString &text,
                                              const TextFileFormat &readFormat)
{
    WriteResult result;
    TextFileFormat format = formatForSaving(text, readFormat);
    const QString encodingName = textEncodingName(format.encoding);
    if (readFormat.undecodable) {
        const qsizetype damaged = text.indexOf(QChar(ReplacementCharacter));
        if (damaged >= 0) {
            result.unencodablePosition = damaged;
            result.error = QStringLiteral("「\uFFFD」（%1行目）は、ファイルを開いたときに読めなかった部分です。"
                                          "元のバイトを失わないよう、「\uFFFD」が残っている間は保存できません。"
                                          "正しい文字に置き換えるか削除してから保存してください。")
                               .arg(lineOf(text, damaged));
            return result;
        }
    }
    format.undecodable = false;
    if (!TextCodec::isAvailable(format.encoding)) {
        result.error = QStringLiteral("文字コード %1 を扱えないため、ファイル「%2」を保存できません。")
                           .arg(encodingName, path);
        return result;
    }

    QString written;
    qsizetype position = -1;
    const std::optional<QByteArray> bytes = encode(text, format, &position, &written);
    if (!bytes) {
        result.unencodablePosition = position;
        if (position >= 0) {
            result.error = QStringLiteral("「%1」（%2行目）はこのファイルの文字コード（%3）では保存できません。"
                                          "この文字を別の文字に置き換えるか、文字コードの宣言を変えてから"
                                          "保存してください。")
                               .arg(TextCodec::characterName(text, position),
                                    QString::number(lineOf(text, position)), encodingName);
        } else {
            result.error = QStringLiteral("この文書はこのファイルの文字コード（%1）では正しく保存できません。")
                               .arg(encodingName);
        }
        return result;
    }

    if (!readsBackAs(*bytes, written, format.encoding)) {
        result.error = QStringLiteral("この文書を%1で保存すると、次に開いたときに別の文字コードと判定されて"
                                      "文字化けします。文字コードの宣言（例: <meta http-equiv=\"Content-Type\" "
                                      "content=\"text/html; charset=%1\">）を加えてから保存してください。"
                                      "ファイル「%2」は変更されていません。")
                           .arg(encodingName, path);
        return result;
    }
    result.error = FileWriter::write(path, *bytes);
    if (!result.error.isEmpty())
        return result;
    result.identity = FileIdentity::of(path);
    result.ok = true;
    result.format = format;
    return result;
}

std::optional<QByteArray> DocumentFile::encode(const QString &text, const TextFileFormat &format,
                                               qsizetype *unencodable, QString *written)
{
    QString lines = withLineBreaks(text, format.lineBreak);
    std::optional<QByteArray> bytes = TextCodec::encodeExactly(lines, format.encoding);
    QString folded;
    if (!bytes && format.encoding != TextEncoding::Utf8) {
        folded = text;
        if (foldLookAlikes(folded)) {
            lines = withLineBreaks(folded, format.lineBreak);
            bytes = TextCodec::encodeExactly(lines, format.encoding);
        }
    }
    if (!bytes) {
        // Folding is one character for one, so positions in `folded` are the
        // positions in `text`.
        const QStringView checked = folded.isEmpty() ? QStringView(text) : QStringView(folded);
        *unencodable = TextCodec::firstUnencodable(checked, format.encoding);
        return std::nullopt;
    }
    if (format.hasBom)
        bytes->prepend(Utf8Bom.data(), Utf8Bom.size());
    if (written)
        *written = std::move(lines);
    return bytes;
}

bool DocumentFile::foldLookAlikes(QString &text)
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
