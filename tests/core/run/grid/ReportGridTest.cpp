#include "core/run/grid/ReportGrid.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using core::ReportGrid;

namespace {

using Texts = std::vector<std::string>;

ReportGrid gridOf(int columns, const std::vector<std::string>& cells) {
    ReportGrid grid;
    grid.reset(columns);
    for (const std::string& cell : cells)
        grid.appendCell(cell);
    return grid;
}

// The first column of every row, in grid order.
std::vector<std::string> firstColumn(const ReportGrid& grid) {
    std::vector<std::string> cells;
    for (std::size_t row = 0; row < grid.rowCount(); ++row)
        cells.emplace_back(grid.cell(row, 0));
    return cells;
}

} // namespace

TEST(ReportGrid, KeepsCellsRowByRow) {
    const ReportGrid grid = gridOf(3, {"a", "", "c", "", "", "", "Zoë", "x\r\ny", "\"q\"", "partial"});
    ASSERT_EQ(grid.rowCount(), 3u); // the fourth row is not complete
    Texts cells;
    for (std::size_t row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            cells.emplace_back(grid.cell(row, column));
    EXPECT_EQ(cells, (Texts{"a", "", "c", "", "", "", "Zoë", "x\r\ny", "\"q\""}));
    // Outside the grid: empty, never a crash.
    grid.prefetchRows(1, 1000);
    grid.prefetchRows(SIZE_MAX, 2);
    EXPECT_EQ(grid.cell(3, 0), "");
    EXPECT_EQ(grid.cell(0, 3), "");
    EXPECT_EQ(grid.cell(0, -1), "");
}

TEST(ReportGrid, ReordersComposeAndKeepRowsWhole) {
    ReportGrid grid = gridOf(2, {"a", "1", "b", "2", "c", "3", "d", "4"});
    ASSERT_TRUE(grid.reorder({2, 0, 3, 1}));
    EXPECT_EQ(firstColumn(grid), (Texts{"c", "a", "d", "b"}));
    ASSERT_TRUE(grid.reorder({1, 0, 3, 2}));
    EXPECT_EQ(firstColumn(grid), (Texts{"a", "c", "b", "d"}));
    EXPECT_EQ(grid.cell(1, 1), "3");
    EXPECT_EQ(grid.cell(3, 1), "4");

    // A row added after a reorder comes last, and a later reorder sees it.
    grid.appendCell("e");
    EXPECT_EQ(grid.rowCount(), 4u);
    grid.appendCell("5");
    EXPECT_EQ(firstColumn(grid), (Texts{"a", "c", "b", "d", "e"}));
    ASSERT_TRUE(grid.reorder({4, 3, 2, 1, 0}));
    EXPECT_EQ(firstColumn(grid), (Texts{"e", "d", "b", "c", "a"}));
    EXPECT_EQ(grid.cell(0, 1), "5");

    grid.reset(2);
    EXPECT_EQ(grid.rowCount(), 0u);
    grid.appendCell("x");
    grid.appendCell("y");
    EXPECT_EQ(firstColumn(grid), Texts{"x"});
}

TEST(ReportGrid, RefusesAnOrderThatIsNotOneOfItsRows) {
    const std::vector<std::vector<std::uint32_t>> bad = {{}, {0, 1}, {0, 1, 2, 3}, {0, 0, 1}, {0, 1, 3}, {2, 1, 2}};
    ReportGrid grid = gridOf(1, {"a", "b", "c"});
    ASSERT_TRUE(grid.reorder({1, 2, 0}));
    for (const auto& order : bad) {
        EXPECT_FALSE(grid.reorder(order)) << ::testing::PrintToString(order);
        EXPECT_EQ(firstColumn(grid), (Texts{"b", "c", "a"}));
    }
}

TEST(ReportGrid, WithoutColumnsHoldsNothing) {
    for (const int columns : {0, -3}) {
        ReportGrid grid = gridOf(columns, {"a", "b"});
        EXPECT_EQ(grid.columnCount(), 0);
        EXPECT_EQ(grid.rowCount(), 0u);
        EXPECT_EQ(grid.cell(0, 0), "");
        EXPECT_TRUE(grid.reorder({}));
        grid.prefetchRows(0, 10);
    }
}
