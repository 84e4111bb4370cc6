#pragma once

#include <QtGlobal>

#include <optional>
#include <vector>

namespace report {

// What a sub-total row shows of its group: the range its formulas cover and the value each one computes.
struct SubtotalValues {
    qint64 firstRow = 0; // sheet rows of the group's first and last data rows; 0 when it has none
    qint64 lastRow = 0;
    std::vector<std::optional<double>> values; // per calculated column of the section; nullopt: no formula
};

} // namespace report
