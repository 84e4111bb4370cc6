#include "GroupTotals.h"

namespace report {

GroupTotals::GroupTotals(int columns) : m_columns(static_cast<std::size_t>(columns)) {}

void GroupTotals::addRow(qint64 sheetRow, const std::vector<CellValue>& cells, const std::vector<int>& columns) {
    if (m_firstRow == 0)
        m_firstRow = sheetRow;
    m_lastRow = sheetRow;
    for (const int column : columns) {
        const CellValue& cell = cells[column];
        ColumnSum& sum = m_columns[column];
        if (cell.kind == CellValue::Kind::Empty)
            continue;
        ++sum.filled;
        if (cell.kind != CellValue::Kind::Text) {
            sum.sum.add(cell.value);
            ++sum.numbers;
        }
    }
}

void GroupTotals::addText(int column) {
    ++m_columns[column].filled;
}

SubtotalValues GroupTotals::result(const SectionShape& section) const {
    SubtotalValues result{m_firstRow, m_lastRow, {}};
    for (const int column : section.calculated) {
        const ColumnSum& sum = m_columns[column];
        std::optional<double> value;
        switch (section.columns[column].calculation) {
        case core::ColumnTotal::Total:
            value = sum.sum.value();
            break;
        case core::ColumnTotal::Average:
            if (sum.numbers > 0)
                value = sum.sum.value() / static_cast<double>(sum.numbers);
            break;
        case core::ColumnTotal::Count:
            value = static_cast<double>(sum.filled);
            break;
        case core::ColumnTotal::None:
            break;
        }
        result.values.push_back(hasRows() ? value : std::nullopt);
    }
    return result;
}

void GroupTotals::clear() {
    m_columns.assign(m_columns.size(), ColumnSum());
    m_firstRow = 0;
    m_lastRow = 0;
}

} // namespace report
