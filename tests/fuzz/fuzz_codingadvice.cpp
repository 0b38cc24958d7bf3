#include "fuzzcheck.h"

#include "checks/codingadvice.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const qsizetype number = takeNumber(data, size);
    const QString text = fuzzText(data, size);
    const qsizetype caret = number % (text.size() + 1);
    const Advice advice = CodingAdviceRules::check(text, caret);
    // The jump must land inside the page: a 1-based position, or the caret.
    if (advice.message.isEmpty())
        FUZZ_CHECK(advice.errPoint == caret);
    else
        FUZZ_CHECK(advice.errPoint >= 0 && advice.errPoint <= text.size());
    for (const QString &line : text.split(QLatin1String("\r\n")))
        CodingAdviceRules::lineCheck(line);
    return 0;
}
