#pragma once

// What every fuzz target shares: a broken rule aborts, which the fuzzer
// saves as a crash, and an input's first byte picks the catalogue row while
// the rest is the file or list: one model per input keeps each run short,
// and the fuzzer still reaches every model's rules.

#include "core/catalogue/productcatalogue.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

inline void require(bool holds)
{
    if (!holds)
        std::abort();
}

struct FuzzInput
{
    int row = -1; // -1 for an empty input, which is skipped
    QByteArray bytes; // not copied
};

inline FuzzInput fuzzInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return {};
    return {int(data[0] % kCatalogueSize),
            QByteArray::fromRawData(reinterpret_cast<const char *>(data + 1), int(size - 1))};
}
