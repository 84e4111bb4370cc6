#include "LayoutStyles.h"

#include <algorithm>

namespace report {

namespace {

CellStyle styleAt(int sheetColumn) {
    CellStyle style;
    style.column = sheetColumn;
    return style;
}

} // namespace

LayoutStyles::LayoutStyles(const ReportShape& shape) {
    for (int column = 0; column < shape.reportColumns(); ++column) {
        CellStyle style = styleAt(shape.firstColumn + column);
        m_plain.push_back(add(style));
        style.date = true;
        m_date.push_back(shape.kinds[column] == ColumnKind::Date ? add(style) : m_plain.back());
    }
    // Only the rows the report has add styles to the workbook.
    for (const SectionShape& section : shape.sections) {
        m_titles.push_back(section.title.on ? titleStyles(shape, section.title) : std::vector<StyleId>());
        m_totals.push_back(section.total.on ? totalStyles(shape, section) : std::vector<StyleId>());
    }
    if (shape.summary.total.on)
        m_summary = totalStyles(shape, shape.summary);
}

StyleId LayoutStyles::add(const CellStyle& style) {
    const auto found = std::find(m_list.begin(), m_list.end(), style);
    if (found != m_list.end())
        return static_cast<StyleId>(found - m_list.begin());
    m_list.push_back(style);
    return static_cast<StyleId>(m_list.size()) - 1;
}

std::vector<StyleId> LayoutStyles::titleStyles(const ReportShape& shape, const core::TitleFormat& title) {
    std::vector<StyleId> styles;
    for (int column = 0; column < shape.reportColumns(); ++column) {
        CellStyle style = styleAt(shape.firstColumn + column);
        style.font = title.font;
        if (title.borderBelow)
            style.bottom = title.border;
        styles.push_back(add(style));
    }
    return styles;
}

std::vector<StyleId> LayoutStyles::totalStyles(const ReportShape& shape, const SectionShape& section) {
    const core::TotalFormat& total = section.total;
    std::vector<StyleId> styles;
    for (int column = 0; column < shape.reportColumns(); ++column) {
        const core::ColumnTotal& own = section.columns[column];
        CellStyle style = styleAt(shape.firstColumn + column);
        style.font = total.font;
        if (own.different) {
            style.font = own.font;
            if (own.font.name.isEmpty())
                style.font->name = total.font.name;
            if (own.lineAbove)
                style.top = total.line;
        } else if (total.border) {
            // The line runs along the edge that faces the group.
            (total.below ? style.top : style.bottom) = total.line;
        }
        styles.push_back(add(style));
    }
    return styles;
}

} // namespace report
