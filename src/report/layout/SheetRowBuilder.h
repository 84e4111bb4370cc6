#pragma once

#include "CellValueReader.h"
#include "LayoutStyles.h"
#include "ReportShape.h"
#include "SubtotalValues.h"

#include "report/SheetRow.h"

#include <QString>

#include <string>
#include <vector>

namespace report {

// The cells of each kind of row the report writes.
class SheetRowBuilder {
public:
    SheetRowBuilder(const ReportShape& shape, const LayoutStyles& styles);

    void header(std::vector<SheetCell>& cells) const;
    // The data file's texts and the values read from them, by report column.
    void data(std::vector<SheetCell>& cells, const std::vector<std::string>& texts,
              const std::vector<CellValue>& values) const;
    void title(std::vector<SheetCell>& cells, int depth, const QString& caption) const;
    void total(std::vector<SheetCell>& cells, const SectionShape& section, const std::vector<StyleId>& styles,
               const SubtotalValues& values, const QString& caption) const;

private:
    SheetCell emptyCell(int column, StyleId style) const;
    // An empty cell in every report column, so the row's font and lines show across the report.
    void styledRow(std::vector<SheetCell>& cells, const std::vector<StyleId>& styles) const;
    std::string subtotalFormula(core::ColumnTotal::Calculation calculation, int column,
                                const SubtotalValues& values) const;

    const ReportShape& m_shape;
    const LayoutStyles& m_styles;
    std::vector<std::string> m_letters; // by report column
};

} // namespace report
