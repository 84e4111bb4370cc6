#pragma once

#include "core/locale/RegionalReader.h"

#include <QLocale>

#include <optional>
#include <string>

namespace report {

// How a column's cells are written: by their ACT! field type.
enum class ColumnKind { Text, Number, Date };

ColumnKind columnKindOf(int fieldType);

// A data cell as the sheet holds it.
struct CellValue {
    enum class Kind { Empty, Text, Number, Date };
    Kind kind = Kind::Empty;
    double value = 0; // Number: the number; Date: the date serial
};

// Reads data-file cells into sheet values by the regional rules.
class CellValueReader {
public:
    explicit CellValueReader(const QLocale& locale);

    CellValue read(ColumnKind kind, const std::string& text) const;

private:
    core::RegionalReader m_reader;
};

// The spreadsheet's serial number of a date given in days since 30 December 1899, which counts the 29 February 1900
// that never was; nullopt before 1 January 1900, which the spreadsheet has no serial for.
std::optional<double> dateSerial(double days);

} // namespace report
