#pragma once

#include <QString>

#include <string>

namespace report::xlsx {

inline constexpr int MaxSheetColumns = 16384;

// Appends a 1-based column's letters: 1 is A, 27 is AA.
void appendColumnName(std::string& out, int column);

// The row and column of a reference such as "C5" or "$C$5"; 0 for a part that is missing or not a number.
struct CellReference {
    int row = 0;
    int column = 0;
};
CellReference parseCellReference(QStringView reference);

// The last row a reference or range ("A1", "A1:B7") reaches; 0 when it names none.
int lastRowOf(QStringView range);

} // namespace report::xlsx
