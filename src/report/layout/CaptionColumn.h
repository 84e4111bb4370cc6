#pragma once

#include <vector>

namespace report {

// The report column (0-based) of a sub-total's caption, asked for as a 1-based column counted from the data range
// (past the last column means the last). A caption never stands in a calculated column, where a count would count
// it: it moves to the nearest free column to the right, else to the left; -1 when every column calculates.
int captionColumn(int wanted, const std::vector<bool>& calculated);

} // namespace report
