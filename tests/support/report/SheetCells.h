#pragma once

#include "report/SheetRow.h"

#include <optional>
#include <string>

namespace testing_support::report {

// Cells and styles for the report's rows, short enough for tables of cases.

inline ::report::SheetCell textCell(int column, std::string text, ::report::StyleId style = 0) {
    return {column, ::report::SheetCell::Kind::Text, style, std::move(text), 0};
}

inline ::report::SheetCell numberCell(int column, double value, ::report::StyleId style = 0) {
    return {column, ::report::SheetCell::Kind::Number, style, {}, value};
}

inline ::report::SheetCell formulaCell(int column, std::string formula, double value, ::report::StyleId style = 0) {
    return {column, ::report::SheetCell::Kind::Formula, style, std::move(formula), value};
}

inline ::report::SheetCell emptyCell(int column, ::report::StyleId style = 0) {
    return {column, ::report::SheetCell::Kind::Empty, style, {}, 0};
}

inline ::report::CellStyle columnStyle(int column, bool date = false) {
    return {column, std::nullopt, std::nullopt, std::nullopt, date};
}

inline ::report::CellStyle fontStyle(int column, const core::FontFormat& font,
                                     std::optional<core::LineFormat> top = std::nullopt,
                                     std::optional<core::LineFormat> bottom = std::nullopt) {
    return {column, font, top, bottom, false};
}

} // namespace testing_support::report
