#include "core/run/grid/ReportGrid.h"

#include <algorithm>
#include <array>
#include <utility>

namespace core {

namespace {

constexpr std::size_t CacheLine = 64;
constexpr std::size_t PrefetchChunk = 256;

void prefetch(const void* address) {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(address);
#else
    static_cast<void>(address);
#endif
}

bool isPermutation(const std::vector<std::uint32_t>& order, std::size_t rows) {
    if (order.size() != rows)
        return false;
    std::vector<bool> seen(rows);
    for (const std::uint32_t index : order) {
        if (index >= rows || seen[index])
            return false;
        seen[index] = true;
    }
    return true;
}

} // namespace

void ReportGrid::reset(int columnCount) {
    m_columns = columnCount < 0 ? 0 : columnCount;
    m_text.clear();
    m_ends.clear();
    m_order.clear();
    m_rows = 0;
}

void ReportGrid::appendCell(std::string_view text) {
    if (m_columns == 0)
        return;
    m_text.append(text);
    m_ends.push_back(m_text.size());
    if (m_ends.size() % static_cast<std::size_t>(m_columns) != 0)
        return;
    // A row completed after a reorder goes last; rows appended before any reorder need no entry.
    if (!m_order.empty())
        m_order.push_back(static_cast<std::uint32_t>(m_rows));
    ++m_rows;
}

std::string_view ReportGrid::cell(std::size_t row, int column) const {
    if (row >= rowCount() || column < 0 || column >= m_columns)
        return {};
    const std::size_t stored = m_order.empty() ? row : m_order[row];
    const std::size_t index = stored * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(column);
    const std::uint64_t begin = index == 0 ? 0 : m_ends[index - 1];
    return std::string_view(m_text).substr(begin, m_ends[index] - begin);
}

bool ReportGrid::reorder(const std::vector<std::uint32_t>& order) {
    if (!isPermutation(order, rowCount()))
        return false;
    std::vector<std::uint32_t> composed(order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        composed[i] = m_order.empty() ? order[i] : m_order[order[i]];
    m_order.swap(composed);
    return true;
}

void ReportGrid::prefetchRows(std::size_t first, std::size_t count) const {
    const std::size_t end = first + std::min(count, m_rows - std::min(first, m_rows));
    const auto columns = static_cast<std::size_t>(m_columns);
    std::array<std::pair<std::uint64_t, std::uint64_t>, PrefetchChunk> spans;
    for (std::size_t chunk = first; chunk < end; chunk += PrefetchChunk) {
        const std::size_t rows = std::min(PrefetchChunk, end - chunk);
        // Two tight passes: the rows' offsets are read side by side so that their cache misses overlap, then the
        // processor is asked for their text, which a single pass would fetch only one row after another.
        for (std::size_t i = 0; i < rows; ++i) {
            const std::size_t index = (m_order.empty() ? chunk + i : m_order[chunk + i]) * columns;
            spans[i] = {index == 0 ? 0 : m_ends[index - 1], m_ends[index + columns - 1]};
        }
        for (std::size_t i = 0; i < rows; ++i)
            for (std::uint64_t at = spans[i].first; at < spans[i].second + CacheLine; at += CacheLine)
                prefetch(m_text.data() + std::min<std::uint64_t>(at, spans[i].second));
    }
}

void ReportGrid::reserve(std::size_t rows, std::size_t bytes) {
    m_ends.reserve(rows * static_cast<std::size_t>(m_columns));
    m_text.reserve(bytes);
}

} // namespace core
