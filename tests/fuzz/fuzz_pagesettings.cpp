#include "fuzzcheck.h"

#include "generators/pagesettingsreader.h"
#include "generators/pagesettingswriter.h"

namespace {

bool inside(const PageSettingsReader::Span &span, const QString &text)
{
    return span.start >= 0 && span.length >= 0 && span.start + span.length <= text.size();
}

// Every edit must fit the text as the edits before it left it.
QString applyChecked(const QString &original, const SourceEdits &edits)
{
    QString text = original;
    for (const SourceEdit &edit : edits) {
        FUZZ_CHECK(edit.position >= 0 && edit.removed >= 0
                   && edit.position + edit.removed <= text.size());
        text.replace(edit.position, edit.removed, piecesText(edit.pieces));
    }
    FUZZ_CHECK(text == applyEdits(original, edits));
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const qsizetype number = takeNumber(data, size);
    const QString text = fuzzText(data, size);

    PageSettingsReader::Span last;
    PageSettings settings = PageSettingsReader::read(text, &last);
    FUZZ_CHECK(last.start == -1 || inside(last, text));
    const qsizetype start = number % (text.size() + 2) - 1;
    if (const auto value = PageSettingsReader::quotedValue(text, start)) {
        FUZZ_CHECK(inside(*value, text) && value->start == start);
        const QStringView read = QStringView(text).mid(value->start, value->length);
        for (QChar ch : read)
            FUZZ_CHECK(ch != QLatin1Char('"') && ch != QLatin1Char('<') && ch != QLatin1Char('>')
                       && ch != QLatin1Char('\r') && ch != QLatin1Char('\n'));
    }

    // Write what was read, with the choices flipped, into the page; the
    // same settings written again change nothing more.
    settings.title = QStringLiteral("題名 %1").arg(number);
    settings.scriptType = number & 1;
    settings.styleType = number & 2;
    const PieceList skeleton = {{QStringLiteral("<html>\r\n<head>\r\n</head>\r\n"), std::nullopt}};
    const QString once = applyChecked(text, PageSettingsWriter::write(text, settings, skeleton));
    const QString twice = applyChecked(once, PageSettingsWriter::write(once, settings, skeleton));
    FUZZ_CHECK(twice == once);
    return 0;
}
