#pragma once

#include "core/run/grid/ReportGrid.h"

#include <QLocale>

#include <cstdint>
#include <vector>

namespace core {

// The order of the grid's rows by the text of one column in the locale's collation ignoring case (QCollator's), as
// ReportGrid::reorder takes it. Rows of equal text keep their order in both directions.
std::vector<std::uint32_t> textOrder(const ReportGrid& grid, int column, const QLocale& locale, bool descending);

} // namespace core
