#include "ReportGrid.h"

namespace core {

namespace {

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
}

void ReportGrid::appendCell(std::string_view text) {
    if (m_columns == 0)
        return;
    m_text.append(text);
    m_ends.push_back(m_text.size());
    // A row completed after a reorder goes last; rows appended before any reorder need no entry.
    if (!m_order.empty() && m_ends.size() % static_cast<std::size_t>(m_columns) == 0)
        m_order.push_back(static_cast<std::uint32_t>(rowCount() - 1));
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

void ReportGrid::reserve(std::size_t rows, std::size_t bytes) {
    m_ends.reserve(rows * static_cast<std::size_t>(m_columns));
    m_text.reserve(bytes);
}

} // namespace core
