#include "ReportGrid.h"

namespace core {

void ReportGrid::reset(int columnCount) {
    m_columns = columnCount < 0 ? 0 : columnCount;
    m_text.clear();
    m_ends.clear();
    m_order.clear();
}

void ReportGrid::appendCell(std::string_view text) {
    m_text.append(text);
    m_ends.push_back(m_text.size());
}

std::string_view ReportGrid::cell(std::size_t row, int column) const {
    const std::size_t stored = m_order.empty() ? row : m_order[row];
    const std::size_t index = stored * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(column);
    const std::uint64_t begin = index == 0 ? 0 : m_ends[index - 1];
    return std::string_view(m_text).substr(begin, m_ends[index] - begin);
}

void ReportGrid::reorder(const std::vector<std::uint32_t>& order) {
    std::vector<std::uint32_t> composed(order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        composed[i] = m_order.empty() ? order[i] : m_order[order[i]];
    m_order.swap(composed);
}

void ReportGrid::reserve(std::size_t rows, std::size_t bytes) {
    m_ends.reserve(rows * static_cast<std::size_t>(m_columns));
    m_text.reserve(bytes);
}

} // namespace core
