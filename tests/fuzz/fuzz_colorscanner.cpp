#include "fuzzcheck.h"

#include "editing/colorscanner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = fuzzText(data, size);
    const ColourRuns runs = ColorScanner::scan(text);
    if (text.isEmpty()) {
        FUZZ_CHECK(runs.isEmpty());
        return 0;
    }
    // The runs tile the text: from 0, in order, no gap, no overlap, and each
    // is maximal, so two neighbours never share a colour.
    FUZZ_CHECK(!runs.isEmpty());
    qsizetype next = 0;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        FUZZ_CHECK(runs[i].start == next);
        FUZZ_CHECK(runs[i].length > 0);
        FUZZ_CHECK(i == 0 || runs[i].colour != runs[i - 1].colour);
        next = runs[i].start + runs[i].length;
    }
    FUZZ_CHECK(next == text.size());
    return 0;
}
