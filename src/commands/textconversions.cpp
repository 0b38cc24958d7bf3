#include "commands/textconversions.h"

#include "commands/textreplace.h"

#include <array>

QString TextConversions::lineBreaks(const QString &text)
{
    return TextReplace::replace(text, QStringLiteral("\r\n"), QStringLiteral("<br>"));
}

namespace {

// Every character converted lies below 64, so a small table tells at once
// whether a character stays.
struct Reference {
    const char *text = nullptr;
    qsizetype length = 0;
};

constexpr qsizetype TableSize = 64;

constexpr std::array<Reference, TableSize> referenceTable()
{
    std::array<Reference, TableSize> table{};
    table[u'&'] = {"&amp;", 5};
    table[u'<'] = {"&lt;", 4};
    table[u'>'] = {"&gt;", 4};
    table[u' '] = {"&nbsp;", 6};
    return table;
}

constexpr std::array<Reference, TableSize> References = referenceTable();

} // namespace

QString TextConversions::characters(const QString &text)
{
    // One pass gives the same text as the four replacements one after the
    // other: none of the references written contains a character that a
    // later replacement converts. A first pass counts the growth so that the
    // result is written straight into its final size.
    const char16_t *source = reinterpret_cast<const char16_t *>(text.constData());
    const qsizetype length = text.size();
    qsizetype growth = 0;
    for (qsizetype i = 0; i < length; ++i) {
        if (source[i] < TableSize && References[source[i]].text)
            growth += References[source[i]].length - 1;
    }
    if (growth == 0)
        return text;

    QString result(length + growth, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(result.data());
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t c = source[i];
        if (c >= TableSize || !References[c].text) {
            *out++ = c;
            continue;
        }
        const Reference &reference = References[c];
        for (qsizetype k = 0; k < reference.length; ++k)
            *out++ = char16_t(reference.text[k]);
    }
    return result;
}

QString TextConversions::both(const QString &text)
{
    return lineBreaks(characters(text));
}

QString TextConversions::upperCase(const QString &text)
{
    return text.toUpper();
}

QString TextConversions::lowerCase(const QString &text)
{
    return text.toLower();
}
