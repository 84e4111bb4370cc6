#include "core/run/sort/RowOrder.h"

#include "core/run/sort/ParallelRanges.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace core {
namespace {

using Keys = std::vector<RowKey>;
using Run = std::pair<Keys::iterator, Keys::iterator>;

bool byPrefix(const RowKey& a, const RowKey& b) {
    return a.prefix != b.prefix ? a.prefix < b.prefix : a.row < b.row;
}

// Sorts the keys by prefix on every core: each range apart, then the sorted ranges merged pairwise.
void sortByPrefix(Keys& keys) {
    constexpr std::size_t rowsPerThread = 16384;
    const std::vector<std::size_t> bounds =
        forEachRange(keys.size(), rowsPerThread, [&keys](std::size_t begin, std::size_t end) {
            std::sort(keys.begin() + begin, keys.begin() + end, byPrefix);
        });
    const std::size_t runs = bounds.size() - 1;
    const auto at = [&](std::size_t run) { return keys.begin() + bounds[std::min(run, runs)]; };
    for (std::size_t width = 1; width < runs; width *= 2) {
        for (std::size_t run = 0; run + width < runs; run += 2 * width)
            std::inplace_merge(at(run), at(run + width), at(run + 2 * width), byPrefix);
    }
}

// The runs of two or more keys with one prefix, in [first, last) sorted by prefix.
std::vector<Run> equalPrefixes(Keys::iterator first, Keys::iterator last) {
    std::vector<Run> runs;
    while (first != last) {
        const auto end = std::find_if(first, last, [&](const RowKey& key) { return key.prefix != first->prefix; });
        if (end - first > 1)
            runs.emplace_back(first, end);
        first = end;
    }
    return runs;
}

// Sorts by prefix (flipped for descending), then hands each run of equal prefix to orderRun on some core.
template <typename OrderRun> std::vector<std::uint32_t> order(Keys keys, bool descending, const OrderRun& orderRun) {
    if (descending) {
        for (RowKey& key : keys)
            key.prefix = ~key.prefix;
    }
    sortByPrefix(keys);
    const std::vector<Run> runs = equalPrefixes(keys.begin(), keys.end());
    constexpr std::size_t runsPerThread = 16;
    forEachRange(runs.size(), runsPerThread, [&](std::size_t begin, std::size_t end) {
        for (std::size_t run = begin; run < end; ++run)
            orderRun(runs[run]);
    });
    std::vector<std::uint32_t> rows;
    rows.reserve(keys.size());
    for (const RowKey& key : keys)
        rows.push_back(key.row);
    return rows;
}

} // namespace

std::vector<std::uint32_t> orderRows(Keys keys, const RowCompare& tie, bool descending) {
    const auto before = [&tie, descending](const RowKey& a, const RowKey& b) {
        const int result = tie ? tie(a.row, b.row) : 0;
        if (result != 0)
            return descending ? result > 0 : result < 0;
        return a.row < b.row;
    };
    // A run is sorted on its own, so the values it reads are brought into cache once; a run already in order (equal
    // values, above all) costs one pass.
    return order(std::move(keys), descending, [&before](const Run& run) {
        if (!std::is_sorted(run.first, run.second, before))
            std::sort(run.first, run.second, before);
    });
}

std::vector<std::uint32_t> orderRowsByChunks(Keys keys, const RowChunk& chunk, bool descending) {
    // A run's rows take their next chunk as their prefix and are sorted again, and so on down while runs remain: no
    // comparison reads more than the chunks. No recursion, however long equal keys go on.
    return order(std::move(keys), descending, [&chunk, descending](const Run& equal) {
        std::vector<std::tuple<Keys::iterator, Keys::iterator, std::size_t>> pending{{equal.first, equal.second, 1}};
        while (!pending.empty()) {
            const auto [first, last, depth] = pending.back();
            pending.pop_back();
            if (!chunk(first->row, depth))
                continue; // the keys have ended, all equal: the rows are in order
            for (auto key = first; key != last; ++key) {
                const std::uint64_t part = chunk(key->row, depth).value_or(0);
                key->prefix = descending ? ~part : part;
            }
            std::sort(first, last, byPrefix);
            for (const Run& run : equalPrefixes(first, last))
                pending.emplace_back(run.first, run.second, depth + 1);
        }
    });
}

} // namespace core
