#include "RowOrder.h"

#include "ParallelRanges.h"

#include <algorithm>
#include <utility>

namespace core {
namespace {

constexpr std::size_t rowsPerThread = 16384;

// Sorts the keys on every core: each range apart, then the sorted ranges merged pairwise.
template <typename Before> void sortOnAllCores(std::vector<RowKey>& keys, const Before& before) {
    const std::vector<std::size_t> bounds =
        forEachRange(keys.size(), rowsPerThread, [&keys, &before](std::size_t begin, std::size_t end) {
            std::sort(keys.begin() + begin, keys.begin() + end, before);
        });
    const std::size_t runs = bounds.size() - 1;
    const auto at = [&](std::size_t run) { return keys.begin() + bounds[std::min(run, runs)]; };
    for (std::size_t width = 1; width < runs; width *= 2) {
        for (std::size_t run = 0; run + width < runs; run += 2 * width)
            std::inplace_merge(at(run), at(run + width), at(run + 2 * width), before);
    }
}

// Sorts each run of keys with one prefix by the rows' values. A run is sorted on its own, so the values it reads are
// brought into cache once; a run already in order (equal values, above all) costs one pass.
template <typename Before> void sortEqualPrefixes(std::vector<RowKey>& keys, const Before& before) {
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    for (std::size_t first = 0; first < keys.size();) {
        std::size_t last = first + 1;
        while (last < keys.size() && keys[last].prefix == keys[first].prefix)
            ++last;
        if (last - first > 1)
            runs.emplace_back(first, last);
        first = last;
    }
    constexpr std::size_t runsPerThread = 16;
    forEachRange(runs.size(), runsPerThread, [&](std::size_t begin, std::size_t end) {
        for (std::size_t run = begin; run < end; ++run) {
            const auto first = keys.begin() + runs[run].first;
            const auto last = keys.begin() + runs[run].second;
            if (!std::is_sorted(first, last, before))
                std::sort(first, last, before);
        }
    });
}

} // namespace

std::vector<std::uint32_t> orderRows(std::vector<RowKey> keys, const RowCompare& tie, bool descending) {
    if (descending) {
        for (RowKey& key : keys)
            key.prefix = ~key.prefix;
    }
    sortOnAllCores(keys, [](const RowKey& a, const RowKey& b) {
        return a.prefix != b.prefix ? a.prefix < b.prefix : a.row < b.row;
    });
    if (tie) {
        sortEqualPrefixes(keys, [&tie, descending](const RowKey& a, const RowKey& b) {
            const int result = tie(a.row, b.row);
            if (result != 0)
                return descending ? result > 0 : result < 0;
            return a.row < b.row;
        });
    }
    std::vector<std::uint32_t> order;
    order.reserve(keys.size());
    for (const RowKey& key : keys)
        order.push_back(key.row);
    return order;
}

} // namespace core
