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
    // Complete rows only.
    std::size_t rowCount() const { return m_rows; }

    // Cells are appended row by row, left to right; a row is complete after columnCount() cells and comes after
    // every row already there, whatever their order. With no columns, nothing is kept.
    void appendCell(std::string_view text);
    // An empty view for a cell outside the grid.
    std::string_view cell(std::size_t row, int column) const;

    // Puts the rows in a new order: order[i] is the current index of the row that becomes row i. Only the row order
    // is kept, so the cells are never copied. False, and the order unchanged, unless order holds every current
    // index exactly once.
    bool reorder(const std::vector<std::uint32_t>& order);
    void reserve(std::size_t rows, std::size_t bytes);

    // Starts fetching the cells of rows first to first + count - 1 from memory before they are read: after a sort
    // the rows lie scattered, and reading them one by one would wait on memory for every row.
    void prefetchRows(std::size_t first, std::size_t count) const;

private:
    int m_columns = 0;
    std::size_t m_rows = 0;
    std::string m_text;
    std::vector<std::uint64_t> m_ends;  // end offset of each cell in m_text, in the order rows were appended
    std::vector<std::uint32_t> m_order; // appended index of each row; empty while rows are in appended order
};

} // namespace core
