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

// Undoes lineBreaks(): every CR LF must carry the "<br>" right before it.
QString withoutBreakTags(const QString &text)
{
    QString out;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(QLatin1String("\r\n")); at >= 0;
         at = text.indexOf(QLatin1String("\r\n"), at + 2)) {
        FUZZ_CHECK(at - 4 >= from && QStringView(text).mid(at - 4, 4) == QLatin1String("<br>"));
        out += QStringView(text).mid(from, at - 4 - from);
        from = at;
    }
    out += QStringView(text).mid(from);
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
    FUZZ_CHECK(withoutBreakTags(TextConversions::lineBreaks(text)) == text);
    FUZZ_CHECK(TextConversions::both(text) == TextConversions::lineBreaks(characters));
    return 0;
}
