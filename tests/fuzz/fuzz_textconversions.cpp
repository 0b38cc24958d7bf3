#include "fuzzcheck.h"

#include "commands/textconversions.h"
#include "commands/textreplace.h"

#include <QStringList>

namespace {

// Occurrences as the replacement finds them: each search resumes one
// character after the start of the last occurrence.
qsizetype occurrences(const QString &source, const QString &searched)
{
    qsizetype count = 0;
    for (qsizetype at = source.indexOf(searched); at >= 0; at = source.indexOf(searched, at + 1))
        ++count;
    return count;
}

void checkReplace(const QString &source, const QString &searched, const QString &replacement)
{
    const QString result = TextReplace::replace(source, searched, replacement);
    if (searched.isEmpty()) {
        FUZZ_CHECK(result == source);
        return;
    }
    // Each occurrence gives its first character up to the replacement and
    // keeps the rest, so the length moves by a known amount per occurrence.
    const qsizetype count = occurrences(source, searched);
    FUZZ_CHECK(result.size() == source.size() + count * (replacement.size() - 1));
    if (searched.size() == 1)
        FUZZ_CHECK(result == QString(source).replace(searched, replacement));
}

// Undoes characters(): one left-to-right pass over the references it writes.
QString unescape(const QString &text)
{
    static const std::pair<QLatin1String, QChar> references[] = {
        {QLatin1String("&amp;"), QLatin1Char('&')},
        {QLatin1String("&lt;"), QLatin1Char('<')},
        {QLatin1String("&gt;"), QLatin1Char('>')},
        {QLatin1String("&nbsp;"), QLatin1Char(' ')},
    };
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        bool matched = false;
        for (const auto &[reference, ch] : references) {
            if (QStringView(text).mid(i).startsWith(reference)) {
                out += ch;
                i += reference.size();
                matched = true;
                break;
            }
        }
        FUZZ_CHECK(matched || text.at(i) != QLatin1Char('&'));
        if (!matched)
            out += text.at(i++);
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = fuzzText(data, size);
    // "source \x01 searched \x01 replacement" drives the replacement.
    const QStringList parts = text.split(QChar(1));
    checkReplace(parts.value(0), parts.value(1), parts.value(2));

    const QString characters = TextConversions::characters(text);
    FUZZ_CHECK(!characters.contains(QLatin1Char('<')) && !characters.contains(QLatin1Char('>'))
               && !characters.contains(QLatin1Char(' ')));
    FUZZ_CHECK(unescape(characters) == text);
    // Each CR of a CR LF gives way to "<br>"; a lone CR or LF stays.
    FUZZ_CHECK(TextConversions::lineBreaks(text)
               == QString(text).replace(QLatin1String("\r\n"), QLatin1String("<br>\n")));
    FUZZ_CHECK(TextConversions::both(text) == TextConversions::lineBreaks(characters));
    return 0;
}
