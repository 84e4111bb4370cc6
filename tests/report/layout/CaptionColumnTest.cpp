#include "report/layout/CaptionColumn.h"

#include <gtest/gtest.h>

TEST(CaptionColumn, AvoidsCalculatedColumnsRightFirst) {
    const struct {
        int wanted;
        std::vector<bool> calculated;
        int expected;
    } cases[] = {
        {1, {false, true, true}, 0},         {2, {false, true, true}, 0}, // stays; moves left when the right is full
        {2, {false, true, false, false}, 2}, {1, {true, true, false}, 2}, // the nearest free column to the right
        {9, {false, false, true}, 1},        {9, {false, false}, 1},      // past the last column: the last
        {3, {true, true, true}, -1},         {1, {}, -1},                 // no free column: left out
    };
    for (const auto& c : cases)
        EXPECT_EQ(report::captionColumn(c.wanted, c.calculated), c.expected) << c.wanted;
}
