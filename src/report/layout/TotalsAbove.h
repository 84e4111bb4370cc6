#pragma once

#include "SubtotalValues.h"

#include <deque>
#include <vector>

namespace report {

// Sub-totals that stand above their rows: the first pass gathers them, the second writes them, each section's in
// the order of its groups.
struct TotalsAbove {
    std::vector<std::deque<SubtotalValues>> sections; // by depth
    SubtotalValues summary;
};

} // namespace report
