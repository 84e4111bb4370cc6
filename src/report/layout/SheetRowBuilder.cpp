#include "SheetRowBuilder.h"

#include "ColumnLetters.h"

#include <algorithm>

namespace report {

namespace {

// SUBTOTAL's function numbers.
const char* subtotalFunction(core::ColumnTotal::Calculation calculation) {
    switch (calculation) {
    case core::ColumnTotal::Average:
        return "1";
    case core::ColumnTotal::Count:
        return "3";
    default:
        return "9";
    }
}

void setText(SheetCell& cell, const QString& text) {
    if (text.isEmpty())
        return;
    cell.kind = SheetCell::Kind::Text;
    cell.text = text.toStdString();
}

} // namespace

SheetRowBuilder::SheetRowBuilder(const ReportShape& shape, const LayoutStyles& styles)
    : m_shape(shape), m_styles(styles) {
    for (int column = 0; column < shape.reportColumns(); ++column)
        m_letters.push_back(columnLetters(shape.firstColumn + column));
}

void SheetRowBuilder::header(std::vector<SheetCell>& cells) const {
    const int captions = std::min(m_shape.reportColumns(), static_cast<int>(m_shape.captions.size()));
    for (int column = 0; column < captions; ++column) {
        const QString& caption = m_shape.captions[column];
        if (caption.isEmpty())
            continue;
        cells.push_back(emptyCell(column, m_styles.plain()[column]));
        setText(cells.back(), caption);
    }
}

void SheetRowBuilder::data(std::vector<SheetCell>& cells, const std::vector<std::string>& texts,
                           const std::vector<CellValue>& values) const {
    for (int column = 0; column < m_shape.reportColumns(); ++column) {
        const CellValue& value = values[column];
        SheetCell cell = emptyCell(column, m_styles.plain()[column]);
        cell.kind = SheetCell::Kind::Number;
        switch (value.kind) {
        case CellValue::Kind::Empty:
            continue;
        case CellValue::Kind::Text:
            cell.kind = SheetCell::Kind::Text;
            cell.text = texts[column];
            break;
        case CellValue::Kind::Date:
            cell.style = m_styles.date()[column];
            cell.value = value.value;
            break;
        case CellValue::Kind::Number:
            cell.value = value.value;
            break;
        }
        cells.push_back(std::move(cell));
    }
}

SheetCell SheetRowBuilder::emptyCell(int column, StyleId style) const {
    SheetCell cell;
    cell.column = m_shape.firstColumn + column;
    cell.style = style;
    return cell;
}

void SheetRowBuilder::styledRow(std::vector<SheetCell>& cells, const std::vector<StyleId>& styles) const {
    for (int column = 0; column < m_shape.reportColumns(); ++column)
        cells.push_back(emptyCell(column, styles[column]));
}

void SheetRowBuilder::title(std::vector<SheetCell>& cells, int depth, const QString& caption) const {
    styledRow(cells, m_styles.title(depth));
    setText(cells.front(), caption);
}

void SheetRowBuilder::total(std::vector<SheetCell>& cells, const SectionShape& section,
                            const std::vector<StyleId>& styles, const SubtotalValues& values,
                            const QString& caption) const {
    styledRow(cells, styles);
    if (section.captionColumn >= 0)
        setText(cells[section.captionColumn], caption);
    for (std::size_t i = 0; i < section.calculated.size(); ++i) {
        if (!values.values[i])
            continue;
        const int column = section.calculated[i];
        SheetCell& cell = cells[column];
        cell.kind = SheetCell::Kind::Formula;
        cell.text = subtotalFormula(section.columns[column].calculation, column, values);
        cell.value = *values.values[i];
    }
}

std::string SheetRowBuilder::subtotalFormula(core::ColumnTotal::Calculation calculation, int column,
                                             const SubtotalValues& values) const {
    const std::string& letters = m_letters[column];
    return std::string("SUBTOTAL(") + subtotalFunction(calculation) + ',' + letters + std::to_string(values.firstRow) +
           ':' + letters + std::to_string(values.lastRow) + ')';
}

} // namespace report
