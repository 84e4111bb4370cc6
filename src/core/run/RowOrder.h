#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace core {

// A row's place in a sort, cheap to compare: rows with a smaller prefix come first ascending.
struct RowKey {
    std::uint64_t prefix = 0;
    std::uint32_t row = 0;
};

// A three-way comparison of two rows' values: negative when row a's value comes first ascending.
using RowCompare = std::function<int(std::uint32_t a, std::uint32_t b)>;

// The order of the keys' rows, as ReportGrid::reorder takes it: by prefix, then for equal prefixes by tie (when
// given; it is called from several threads at once), then by row, so that rows of equal value keep their order in
// both directions.
std::vector<std::uint32_t> orderRows(std::vector<RowKey> keys, const RowCompare& tie, bool descending);

} // namespace core
