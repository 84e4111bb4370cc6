#pragma once

#include "core/definition/ReportDefinition.h"
#include "core/run/sort/SortValue.h"

#include <optional>
#include <vector>

namespace report {

// A section that groups rows, or the summary, which groups them all, as the report lays it out.
struct SectionShape {
    int groupColumn = -1;                   // 0-based data-file column; -1 for the summary
    std::optional<core::SortKind> kind;     // how group values compare; nullopt: as exact texts
    core::TitleFormat title;                // off for the summary
    core::TotalFormat total;                // below whenever the title is on
    std::vector<core::ColumnTotal> columns; // per report column
    std::vector<int> calculated;            // the report columns with a calculation, left to right
    int captionColumn = -1;                 // the report column of the sub-total's caption; -1: none

    bool totalAbove() const { return total.on && !total.below; }
    bool totalBelow() const { return total.on && total.below; }
};

} // namespace report
