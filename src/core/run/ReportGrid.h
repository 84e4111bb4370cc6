#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// The report grid: one row per contact, one text cell (UTF-8) per column, every row with the same number of cells.
// Cells live in one buffer, so a million rows cost little more than their text.
class ReportGrid {
public:
    // Empties the grid and sets its column count.
    void reset(int columnCount);
    int columnCount() const { return m_columns; }
    std::size_t rowCount() const { return m_columns == 0 ? 0 : (m_ends.size() / static_cast<std::size_t>(m_columns)); }

    // Cells are appended row by row, left to right; a row is complete after columnCount() cells.
    void appendCell(std::string_view text);
    std::string_view cell(std::size_t row, int column) const;

    // Puts the rows in a new order: order[i] is the current index of the row that becomes row i. Only the row order
    // is kept, so the cells are never copied.
    void reorder(const std::vector<std::uint32_t>& order);
    void reserve(std::size_t rows, std::size_t bytes);

private:
    int m_columns = 0;
    std::string m_text;
    std::vector<std::uint64_t> m_ends; // end offset of each cell in m_text, in the order rows were appended
    std::vector<std::uint32_t> m_order; // appended index of each row; empty while rows are in appended order
};

} // namespace core
