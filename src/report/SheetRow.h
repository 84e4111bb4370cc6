#pragma once

#include "core/definition/ReportDefinition.h"

#include <optional>
#include <string>
#include <vector>

namespace report {

// A cell's look: the style of its column in the template, with the report's font and lines merged in.
struct CellStyle {
    int column = 1;                         // 1-based sheet column whose template style is the base
    std::optional<core::FontFormat> font;   // replaces the base style's font
    std::optional<core::LineFormat> top;    // a line along the cell's top edge
    std::optional<core::LineFormat> bottom; // a line along its bottom edge
    bool date = false; // holds a date serial: the base's number format when it is a date format, else a date format

    bool operator==(const CellStyle&) const = default;
};

// An index into the report's list of cell styles.
using StyleId = int;

struct SheetCell {
    enum class Kind {
        Empty,   // a styled cell without a value (a line across a title row)
        Text,    // text: inline, exactly as given
        Number,  // a number, or a date serial
        Formula, // a formula with its stored value
    };
    int column = 1; // 1-based sheet column
    Kind kind = Kind::Empty;
    StyleId style = 0;
    std::string text; // UTF-8. Text: the text; Formula: the formula without its "=" (SUBTOTAL(9,C5:C9))
    double value = 0; // Number: the value; Formula: its stored value, as the spreadsheet computes it
};

// One row of the data sheet; rows come in ascending order, cells in ascending column order.
struct SheetRow {
    int row = 1;          // 1-based sheet row
    int outlineLevel = 0; // 0 to 7
    std::vector<SheetCell> cells;
};

// Where the report's rows go.
class SheetRowSink {
public:
    virtual ~SheetRowSink() = default;
    // False when the row could not be written; the report stops.
    virtual bool write(const SheetRow& row) = 0;
};

// The sheet's last row and column.
inline constexpr int MaxSheetRows = core::ReportDefinition::MaxRow;
inline constexpr int MaxSheetColumns = core::ReportDefinition::MaxColumns;

} // namespace report
