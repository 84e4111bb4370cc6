#pragma once

namespace report::xlsx {

// Where the report's rows lie in the data sheet. The sheet's dimension and outline width come before its rows in
// the package, so they are known before the first row is written.
struct SheetExtent {
    int firstRow = 1;        // the template's rows from here down give way to the report's
    int lastRow = 0;         // the report's last row; below firstRow when it has none
    int lastColumn = 1;      // the rightmost column the report writes
    int maxOutlineLevel = 0; // the deepest outline level of its rows, 0 to 7
};

} // namespace report::xlsx
