#include "fuzzcheck.h"

#include "editing/tagnamescan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const qsizetype number = takeNumber(data, size);
    const QString text = fuzzText(data, size);
    // Carets past either end as well: the edit layer clamps nothing for us.
    const qsizetype caret = number % (text.size() + 3) - 1;
    const std::optional<QString> name = TagNameScan::find(text, caret);
    if (!name)
        return 0;
    // The name follows a "<" that lies within reach before the caret, and
    // stops at the first blank or ">".
    const qsizetype clamped = qBound<qsizetype>(0, caret, text.size());
    const qsizetype lt = text.lastIndexOf(QLatin1Char('<'), qMax<qsizetype>(0, clamped - 2));
    FUZZ_CHECK(lt >= 0 && lt >= clamped - TagNameScan::LookBack && lt <= clamped - 2);
    FUZZ_CHECK(text.mid(lt + 1, name->size()) == *name);
    for (QChar ch : *name)
        FUZZ_CHECK(ch != QLatin1Char('>') && ch != QLatin1Char(' ') && ch != QLatin1Char('\t')
                   && ch != QLatin1Char('\r') && ch != QLatin1Char('\n'));
    return 0;
}
