#pragma once

#include "PackageWriter.h"
#include "SheetExtent.h"
#include "report/SheetRow.h"

#include <QString>

#include <string>
#include <vector>

namespace report::xlsx {

// Writes the report's rows as the data sheet's XML into the open part, a buffer at a time. A row that breaks the
// sheet's rules (order, extent, unknown style) is refused rather than written into a package it would damage.
class RowWriter {
public:
    // `cellFormats` holds the cell format index of each StyleId; `elementPrefix` is "" or the sheet's "x:".
    // `byteLimit` is how much XML the part may take.
    RowWriter(PackageWriter& out, const std::vector<int>& cellFormats, const SheetExtent& extent,
              const QString& elementPrefix, qint64 byteLimit);

    bool write(const SheetRow& row);
    // Hands the buffered rows on.
    bool flush();
    // Why a row was refused; "" when none was (failures of the package itself are the package's problem).
    const QString& problem() const { return m_problem; }

private:
    // The sheet's markup, with its namespace prefix.
    struct Markup {
        std::string rowStart;  // <row r="
        std::string rowEnd;    // </row>
        std::string cellStart; // <c r="
        std::string cellEnd;   // </c>
        std::string text;      // <is><t xml:space="preserve">
        std::string textEnd;   // </t></is>
        std::string value;     // <v>
        std::string valueEnd;  // </v>
        std::string formula;   // <f>
        std::string formulaEnd;
    };

    bool check(const SheetRow& row);
    void appendCell(const SheetCell& cell, std::string_view rowNumber);
    void appendNumber(double value);
    bool refuse(const QString& problem);

    PackageWriter& m_out;
    std::vector<std::string> m_styleAttributes; // `" s="N"` for each StyleId, closing the reference before it
    SheetExtent m_extent;
    Markup m_markup;
    qint64 m_byteLimit;
    qint64 m_written = 0;
    int m_lastRow = 0;
    std::string m_buffer;
    QString m_problem;
};

} // namespace report::xlsx
