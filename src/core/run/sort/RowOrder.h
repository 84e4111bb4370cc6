#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace core {

// A row's place in a sort, cheap to compare: rows with a smaller prefix come first ascending.
struct RowKey {
    std::uint64_t prefix = 0;
    std::uint32_t row = 0;
};

// A three-way comparison of two rows' values: negative when row a's value comes first ascending.
using RowCompare = std::function<int(std::uint32_t a, std::uint32_t b)>;
// The part of a row's key at a depth (1, 2, ...) after its prefix, compared like the prefix; nullopt when the key has
// ended before it. Keys that end are equal to every key with the same parts so far.
using RowChunk = std::function<std::optional<std::uint64_t>(std::uint32_t row, std::size_t depth)>;

// The order of the keys' rows, as ReportGrid::reorder takes it: by prefix, then rows of equal prefix by tie (when
// given), then by row, so that rows of equal value keep their order in both directions. tie is called from several
// threads at once.
std::vector<std::uint32_t> orderRows(std::vector<RowKey> keys, const RowCompare& tie, bool descending);
// The same for keys that continue in chunks: rows of equal prefix are ordered by their chunks, then by row.
std::vector<std::uint32_t> orderRowsByChunks(std::vector<RowKey> keys, const RowChunk& chunk, bool descending);

} // namespace core
