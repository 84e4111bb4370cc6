#pragma once

#include "ReportShape.h"

#include "report/SheetRow.h"

#include <vector>

namespace report {

// The report's cell styles, and which one each kind of row gives each report column, worked out once.
class LayoutStyles {
public:
    explicit LayoutStyles(const ReportShape& shape);

    const std::vector<CellStyle>& list() const { return m_list; }
    // By report column: header captions and data cells; data cells holding a date.
    const std::vector<StyleId>& plain() const { return m_plain; }
    const std::vector<StyleId>& date() const { return m_date; }
    // By report column: the title and sub-total rows of a section (its depth), and the summary row.
    const std::vector<StyleId>& title(int depth) const { return m_titles[depth]; }
    const std::vector<StyleId>& total(int depth) const { return m_totals[depth]; }
    const std::vector<StyleId>& summary() const { return m_summary; }

private:
    StyleId add(const CellStyle& style);
    std::vector<StyleId> titleStyles(const ReportShape& shape, const core::TitleFormat& title);
    std::vector<StyleId> totalStyles(const ReportShape& shape, const SectionShape& section);

    std::vector<CellStyle> m_list;
    std::vector<StyleId> m_plain;
    std::vector<StyleId> m_date;
    std::vector<std::vector<StyleId>> m_titles;
    std::vector<std::vector<StyleId>> m_totals;
    std::vector<StyleId> m_summary;
};

} // namespace report
