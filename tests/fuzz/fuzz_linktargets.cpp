#include "fuzzcheck.h"

#include "checks/linkcheck.h"
#include "checks/linktargetscanner.h"

namespace {

void checkMeaning(QStringView target)
{
    const LinkTargetMeaning meaning = LinkCheck::meaning(target);
    const QStringView trimmed = target.trimmed();
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
        FUZZ_CHECK(!meaning.value.contains(QLatin1Char('\\')));
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
    checkMeaning(text);
    return 0;
}
