#include "fuzzcheck.h"

#include "document/documentfile.h"
#include "document/textcodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const TextEncoding encodings[] = {TextEncoding::Utf8, TextEncoding::ShiftJis,
                                  TextEncoding::EucJp, TextEncoding::Iso2022Jp};

void checkCodec(QByteArrayView bytes, TextEncoding encoding)
{
    if (!TextCodec::isAvailable(encoding))
        return;
    const TextCodec::Decoded decoded = TextCodec::decode(bytes, encoding);
    FUZZ_CHECK((decoded.undecodableCount == 0) == (decoded.firstUndecodable == -1));
    if (decoded.firstUndecodable >= 0) {
        FUZZ_CHECK(decoded.firstUndecodable < decoded.text.size());
        FUZZ_CHECK(decoded.text.at(decoded.firstUndecodable) == QChar(0xFFFD));
        return;
    }
    // Nothing was damaged, so the text goes back into the encoding. UTF-8 has
    // one spelling per character and gives the very bytes back; the Japanese
    // encodings write duplicate codes and shift sequences in one canonical
    // spelling, which must decode to the same text and be stable.
    const std::optional<QByteArray> encoded = TextCodec::encodeExactly(decoded.text, encoding);
    FUZZ_CHECK(encoded.has_value());
    if (encoding == TextEncoding::Utf8) {
        FUZZ_CHECK(*encoded == bytes);
        return;
    }
    const TextCodec::Decoded again = TextCodec::decode(*encoded, encoding);
    FUZZ_CHECK(again.undecodableCount == 0);
    FUZZ_CHECK(again.text == decoded.text);
    FUZZ_CHECK(TextCodec::encodeExactly(again.text, encoding) == encoded);
}

// The same through the files: what was read without damage is written back
// and reads as the same text (or its look-alikes); a UTF-8 file with LF breaks is the same bytes.
void checkFile(const QByteArray &bytes)
{
    // Saving syncs the file to the disk, which costs milliseconds a run on a
    // real disk; in memory the sync is free and the run stays CPU-bound.
    static const QString memory = QStringLiteral("/dev/shm");
    static QTemporaryDir dir(QDir(memory).exists() ? memory + QStringLiteral("/tovalo-fuzz-XXXXXX")
                                                   : QDir::tempPath() + QStringLiteral("/tovalo-fuzz-XXXXXX"));
    FUZZ_CHECK(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("page.html"));
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(file.write(bytes) == bytes.size());
    }
    const DocumentFile::ReadResult read = DocumentFile::read(path);
    FUZZ_CHECK(read.ok);
    FUZZ_CHECK(!read.text.contains(QLatin1Char('\r')));
    FUZZ_CHECK(read.format.undecodable == (read.undecodableCount > 0));
    const DocumentFile::WriteResult written = DocumentFile::write(path, read.text, read.format);
    if (read.format.undecodable) {
        // Refused, and the bytes on disk are the user's still.
        FUZZ_CHECK(!written.ok);
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::ReadOnly));
        FUZZ_CHECK(file.readAll() == bytes);
        return;
    }
    if (!written.ok) {
        // A character the charset can't hold stops the save, and so do bytes
        // that would open as other text; either way the file is as it was.
        FUZZ_CHECK(written.unencodablePosition < read.text.size());
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::ReadOnly));
        FUZZ_CHECK(file.readAll() == bytes);
        return;
    }
    const DocumentFile::ReadResult reread = DocumentFile::read(path);
    FUZZ_CHECK(reread.ok && !reread.format.undecodable);
    // A legacy encoding holds a few characters only in a look-alike form,
    // which a save writes instead when it must.
    QString lookAlikes = read.text;
    DocumentFile::foldLookAlikes(lookAlikes);
    FUZZ_CHECK(reread.text == read.text || reread.text == lookAlikes);
    if (read.format.encoding == TextEncoding::Utf8 && written.format.encoding == TextEncoding::Utf8
        && !bytes.contains('\r')) {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::ReadOnly));
        FUZZ_CHECK(file.readAll() == bytes);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t choice = *data;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    checkCodec(bytes, encodings[choice & 3]);
    // Files are slow to touch; one input in eight goes through them.
    if ((choice & 0x1C) == 0)
        checkFile(bytes);
    return 0;
}
