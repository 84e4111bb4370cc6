#pragma once

#include "CellValueReader.h"
#include "CompensatedSum.h"
#include "SectionShape.h"
#include "SubtotalValues.h"

#include <vector>

namespace report {

// The running sums and counts of one group's columns, as the spreadsheet's SUBTOTAL sees the group's range.
class GroupTotals {
public:
    explicit GroupTotals(int columns = 0);

    // A data row, its cells as the sheet holds them; only the listed columns are summed.
    void addRow(qint64 sheetRow, const std::vector<CellValue>& cells, const std::vector<int>& columns);
    // A text cell in another row within the group's range, such as an inner title's caption: a count counts it.
    void addText(int column);
    bool hasRows() const { return m_firstRow != 0; }
    SubtotalValues result(const SectionShape& section) const;
    void clear();

private:
    struct ColumnSum {
        CompensatedSum sum;
        qint64 numbers = 0;
        qint64 filled = 0;
    };

    std::vector<ColumnSum> m_columns;
    qint64 m_firstRow = 0;
    qint64 m_lastRow = 0;
};

} // namespace report
