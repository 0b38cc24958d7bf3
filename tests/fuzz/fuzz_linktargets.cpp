#include "fuzzcheck.h"

#include "checks/linkcheck.h"
#include "checks/linktargetscanner.h"

namespace {

// Browsers drop only these blanks around a link; U+000B or U+3000 is part of it.
QStringView urlTrimmed(QStringView target)
{
    const auto blank = [](QChar c) {
        return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
    };
    while (!target.isEmpty() && blank(target.front()))
        target = target.sliced(1);
    while (!target.isEmpty() && blank(target.back()))
        target.chop(1);
    return target;
}

void checkMeaning(QStringView target)
{
    const LinkTargetMeaning meaning = LinkCheck::meaning(target);
    // The markup's references are read before the address.
    const QString decoded = LinkTargetScanner::decoded(target);
    FUZZ_CHECK(decoded.size() <= target.size());
    const QStringView trimmed = urlTrimmed(decoded);
    switch (meaning.kind) {
    case LinkTargetMeaning::Kind::Empty:
        FUZZ_CHECK(trimmed.isEmpty());
        break;
    case LinkTargetMeaning::Kind::InPage:
        FUZZ_CHECK(trimmed.startsWith(QLatin1Char('#')));
        break;
    case LinkTargetMeaning::Kind::File:
        // A file path never keeps the query or fragment it was cut from.
        FUZZ_CHECK(!trimmed.isEmpty());
        // A backslash is read as "/"; only an escaped one ("%5C") is kept.
        FUZZ_CHECK(!meaning.value.contains(QLatin1Char('\\'))
                   || trimmed.toString().contains(QLatin1String("%5c"), Qt::CaseInsensitive));
        break;
    default:
        FUZZ_CHECK(!trimmed.isEmpty());
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = fuzzText(data, size);
    const PageLinks links = LinkTargetScanner::scan(text);
    // Targets stand inside the page, in order, apart from each other.
    qsizetype end = 0;
    for (const TextRange &range : links.targets) {
        FUZZ_CHECK(range.start >= end && range.length >= 0 && range.end() <= text.size());
        end = range.end();
        checkMeaning(QStringView(text).mid(range.start, range.length));
    }
    qsizetype previous = -1;
    for (const qsizetype open : links.attributedTags) {
        FUZZ_CHECK(open > previous && open < text.size() && text.at(open) == QLatin1Char('<'));
        previous = open;
    }
    checkMeaning(text);
    return 0;
}
