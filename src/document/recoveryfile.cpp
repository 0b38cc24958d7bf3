#include "document/recoveryfile.h"

#include <QHash>
#include <QStringDecoder>
#include <QUrl>

namespace {

const QByteArray Magic = QByteArrayLiteral("TOVALO-RECOVERY 1");
const QByteArray Untitled = QByteArrayLiteral("untitled");

const char *lineBreakName(LineBreakStyle style)
{
    switch (style) {
    case LineBreakStyle::Lf:
        return "LF";
    case LineBreakStyle::Cr:
        return "CR";
    case LineBreakStyle::CrLf:
        break;
    }
    return "CRLF";
}

std::optional<LineBreakStyle> lineBreakFromName(const QByteArray &name)
{
    for (LineBreakStyle style : {LineBreakStyle::CrLf, LineBreakStyle::Lf, LineBreakStyle::Cr})
        if (name == lineBreakName(style))
            return style;
    return std::nullopt;
}

std::optional<TextEncoding> encodingFromName(const QByteArray &name)
{
    for (TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::ShiftJis, TextEncoding::EucJp,
                                  TextEncoding::Iso2022Jp})
        if (name == textEncodingName(encoding).toLatin1())
            return encoding;
    return std::nullopt;
}

QByteArray yesNo(bool value)
{
    return value ? QByteArrayLiteral("yes") : QByteArrayLiteral("no");
}

std::optional<qint64> number(const QByteArray &text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

} // namespace

QByteArray RecoveryFile::encode(const RecoveryRecord &record)
{
    const QByteArray text = record.text.toUtf8();
    const TextFileFormat &format = record.format;
    QByteArray out;
    out.reserve(text.size() + 512);
    auto field = [&out](const char *name, const QByteArray &value) {
        out += name;
        out += ": ";
        out += value;
        out += '\n';
    };
    out += Magic + '\n';
    // Percent-encoded, so that no character of a name can break the header.
    field("path", record.path.isEmpty() ? Untitled : QUrl::toPercentEncoding(record.path, "/"));
    field("kind", QUrl::toPercentEncoding(record.kind, " "));
    field("encoding", textEncodingName(format.encoding).toLatin1());
    field("bom", yesNo(format.hasBom));
    field("line-break", lineBreakName(format.lineBreak));
    field("undecodable", yesNo(format.undecodable));
    field("passed-over",
          format.passedOverDeclaration ? textEncodingName(*format.passedOverDeclaration).toLatin1() : QByteArray("-"));
    field("writer-pid", QByteArray::number(record.writer.pid));
    field("writer-start", QByteArray::number(record.writer.startTime));
    field("writer-boot", record.writer.bootId.toLatin1());
    field("changed", QByteArray::number(record.changedAt));
    field("file-size", QByteArray::number(record.fileSize));
    field("file-modified", QByteArray::number(record.fileModified));
    field("text-length", QByteArray::number(text.size()));
    field("text-checksum", QByteArray::number(qChecksum(text)));
    out += '\n';
    out += text;
    return out;
}

std::optional<RecoveryRecord> RecoveryFile::decode(const QByteArray &bytes)
{
    const qsizetype headerEnd = bytes.indexOf("\n\n");
    if (!bytes.startsWith(Magic + '\n') || headerEnd < 0)
        return std::nullopt;
    QHash<QByteArray, QByteArray> fields;
    const QList<QByteArray> lines = bytes.left(headerEnd).split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines.at(i).indexOf(": ");
        if (colon <= 0)
            return std::nullopt;
        fields.insert(lines.at(i).left(colon), lines.at(i).mid(colon + 2));
    }
    const QByteArray text = bytes.mid(headerEnd + 2);
    const auto length = number(fields.value("text-length"));
    const auto checksum = number(fields.value("text-checksum"));
    if (!length || *length != text.size() || !checksum || *checksum != qChecksum(text))
        return std::nullopt;

    RecoveryRecord record;
    const auto encoding = encodingFromName(fields.value("encoding"));
    const auto lineBreak = lineBreakFromName(fields.value("line-break"));
    const auto pid = number(fields.value("writer-pid"));
    const auto start = number(fields.value("writer-start"));
    const auto changed = number(fields.value("changed"));
    const auto size = number(fields.value("file-size"));
    const auto modified = number(fields.value("file-modified"));
    const QByteArray passedOver = fields.value("passed-over");
    const auto passedOverEncoding = encodingFromName(passedOver);
    if (!encoding || !lineBreak || !pid || !start || !changed || !size || !modified || !fields.contains("path")
        || (passedOver != "-" && !passedOverEncoding))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8);
    record.text = utf8.decode(text);
    if (utf8.hasError())
        return std::nullopt;
    const QByteArray path = fields.value("path");
    record.path = path == Untitled ? QString() : QUrl::fromPercentEncoding(path);
    record.kind = QUrl::fromPercentEncoding(fields.value("kind"));
    record.format.encoding = *encoding;
    record.format.hasBom = fields.value("bom") == "yes";
    record.format.lineBreak = *lineBreak;
    record.format.undecodable = fields.value("undecodable") == "yes";
    if (passedOverEncoding)
        record.format.passedOverDeclaration = passedOverEncoding;
    record.writer.pid = *pid;
    record.writer.startTime = quint64(*start);
    record.writer.bootId = QString::fromLatin1(fields.value("writer-boot"));
    record.changedAt = *changed;
    record.fileSize = *size;
    record.fileModified = *modified;
    return record;
}
