#include "core/run/grid/ReportGrid.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

// The fill and sort tests reach the rest of the grid; these are cases they never make.

using core::ReportGrid;
using Texts = std::vector<std::string_view>;

TEST(ReportGrid, RefusesAnOrderThatIsNotOneOfItsRowsAndReadsNothingOutsideIt) {
    ReportGrid grid;
    const auto cellsOf = [&grid] {
        Texts cells;
        for (std::size_t row = 0; row < grid.rowCount(); ++row)
            for (int column = 0; column < grid.columnCount(); ++column)
                cells.push_back(grid.cell(row, column));
        return cells;
    };
    grid.reset(2);
    for (const char* cell : {"a", "1", "b", "2", "c", "3", "partial"})
        grid.appendCell(cell);
    ASSERT_TRUE(grid.reorder({1, 2, 0}));
    const std::vector<std::vector<std::uint32_t>> bad = {{}, {0, 1}, {0, 1, 2, 3}, {0, 0, 1}, {0, 1, 3}, {2, 1, 2}};
    for (const auto& order : bad) {
        EXPECT_FALSE(grid.reorder(order)) << ::testing::PrintToString(order);
        EXPECT_EQ(cellsOf(), (Texts{"b", "2", "c", "3", "a", "1"}));
    }
    grid.appendCell("d"); // completes the last row, which comes last whatever the order
    EXPECT_EQ(cellsOf(), (Texts{"b", "2", "c", "3", "a", "1", "partial", "d"}));
    // Outside the grid: empty, never a crash.
    grid.prefetchRows(1, 1000);
    grid.prefetchRows(SIZE_MAX, 2);
    EXPECT_EQ((Texts{grid.cell(4, 0), grid.cell(0, 2), grid.cell(0, -1)}), (Texts{"", "", ""}));

    for (const int columns : {0, -3}) {
        grid.reset(columns);
        grid.appendCell("a");
        grid.prefetchRows(0, 10);
        EXPECT_EQ(std::tuple(grid.columnCount(), grid.rowCount(), grid.cell(0, 0), grid.reorder({})),
                  std::tuple(0, std::size_t{0}, "", true));
    }
}
