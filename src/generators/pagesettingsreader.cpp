#include "generators/pagesettingsreader.h"

#include "document/charsetdeclaration.h"
#include "generators/doctypedeclaration.h"
#include "generators/markupscan.h"
#include "generators/pageheadvariants.h"

#include <algorithm>

namespace {

using Needle = MarkupScan::Needle;

std::optional<PageSettingsReader::Span> valueAfter(QStringView text, qsizetype at, qsizetype variantLength)
{
    if (at < 0)
        return std::nullopt;
    return PageSettingsReader::quotedValue(text, at + variantLength);
}

} // namespace

PageSettings PageSettingsReader::read(QStringView text, Span *lastValue)
{
    // Every spelling is looked for in one pass over the page.
    QVector<Needle> needles = {MarkupScan::anyCase(DoctypeDeclaration::opening()),
                               MarkupScan::exact(PageHeadVariants::titleUpper),
                               MarkupScan::anyCase(PageHeadVariants::title)};
    const qsizetype firstVariant = needles.size();
    for (const auto *variants : {&PageHeadVariants::scriptType, &PageHeadVariants::styleType,
                                 &PageHeadVariants::language}) {
        for (QLatin1StringView variant : *variants)
            needles.append(MarkupScan::exact(variant));
    }
    // The last language spelling in any letter case.
    needles.last().anyCase = true;
    const QVector<qsizetype> found = MarkupScan::firstPositions(text, needles);
    auto variantAt = [&](int group, int index) { return found[firstVariant + 3 * group + index]; };

    PageSettings settings;
    Span last;
    auto take = [&](QString &field, const std::optional<Span> &value) {
        if (!value)
            return;
        field = text.mid(value->start, value->length).toString();
        last = *value;
    };

    if (const auto declaration = DoctypeDeclaration::spanAt(text, found[0])) {
        if (const auto entry = DoctypeDeclaration::entryOf(text.mid(declaration->start, declaration->length)))
            settings.doctype = *entry;
    }

    // The declaration that reading the file goes by, in whatever form the
    // page writes it; else the first one, even of a charset we can't use, so
    // that applying the dialog replaces it rather than adding a second.
    const QList<CharsetDeclaration::Value> declared = CharsetDeclaration::values(text, text.size());
    const auto used = std::find_if(declared.begin(), declared.end(),
                                   [](const CharsetDeclaration::Value &value) { return value.encoding.has_value(); });
    if (used != declared.end())
        take(settings.charset, Span{used->start, used->length});
    else if (!declared.isEmpty())
        take(settings.charset, Span{declared.first().start, declared.first().length});

    for (int i = 0; i < 3; ++i) {
        settings.scriptType = settings.scriptType || variantAt(0, i) >= 0;
        settings.styleType = settings.styleType || variantAt(1, i) >= 0;
    }

    for (int i = 0; i < 3; ++i)
        take(settings.language, valueAfter(text, variantAt(2, i), PageHeadVariants::language[i].size()));

    for (qsizetype at : {found[1], found[2]}) {
        if (at < 0)
            continue;
        const qsizetype end = MarkupScan::indexOf(text, MarkupScan::anyCase(PageHeadVariants::titleEnd), at);
        const qsizetype start = at + PageHeadVariants::title.size();
        // A title holding another tag before its end tag was left open: what
        // follows is markup, not the title.
        if (end < 0 || text.indexOf(QLatin1Char('<'), start) != end)
            continue;
        take(settings.title, Span{start, end - start});
    }

    if (lastValue)
        *lastValue = last;
    return settings;
}

std::optional<PageSettingsReader::Span> PageSettingsReader::quotedValue(QStringView text, qsizetype start)
{
    // A start before the page would read outside the text.
    if (start < 0)
        return std::nullopt;
    for (qsizetype i = start; i < text.size(); ++i) {
        switch (text[i].unicode()) {
        case u'"':
            return Span{start, i - start};
        case u'>':
        case u'<':
        case u'\r':
        case u'\n':
            return std::nullopt;
        default:
            break;
        }
    }
    return std::nullopt;
}
