#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A property that failed stops the run at once, so libFuzzer keeps the input
// that broke it and the replay test fails on it.
#define FUZZ_CHECK(condition)                                                              \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__,   \
                         __LINE__);                                                        \
            std::abort();                                                                  \
        }                                                                                  \
    } while (false)

// Arbitrary bytes as text. UTF-8 reaches every character a page can hold,
// including unpaired surrogates that QString::fromUtf8 turns into U+FFFD.
inline QString fuzzText(const std::uint8_t *data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A number taken off the front of the input, for a caret or a choice.
inline qsizetype takeNumber(const std::uint8_t *&data, std::size_t &size)
{
    qsizetype value = 0;
    for (int i = 0; i < 2 && size > 0; ++i, ++data, --size)
        value = value * 256 + *data;
    return value;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);
