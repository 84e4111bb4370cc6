#include "RowWriter.h"

#include "CellReference.h"
#include "XmlText.h"

#include <charconv>
#include <cmath>

namespace report::xlsx {

namespace {

constexpr size_t FlushSize = 1 << 20;
constexpr int MaxOutlineLevel = 7;

void appendInteger(std::string& out, int value) {
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

} // namespace

RowWriter::RowWriter(PackageWriter& out, const std::vector<int>& cellFormats, const SheetExtent& extent,
                     const QString& elementPrefix, qint64 byteLimit)
    : m_out(out), m_extent(extent), m_byteLimit(byteLimit) {
    for (const int format : cellFormats) {
        std::string attribute = "\" s=\"";
        appendInteger(attribute, format);
        m_styleAttributes.push_back(attribute + '"');
    }
    const std::string prefix = elementPrefix.toStdString();
    const auto tag = [&](std::string_view open, std::string_view name, std::string_view rest) {
        return std::string(open) + prefix + std::string(name) + std::string(rest);
    };
    m_markup = {tag("<", "row", " r=\""),
                tag("</", "row", ">"),
                tag("<", "c", " r=\""),
                tag("</", "c", ">"),
                tag("<", "is", "><") + tag("", "t", " xml:space=\"preserve\">"),
                tag("</", "t", "></") + tag("", "is", ">"),
                tag("<", "v", ">"),
                tag("</", "v", ">"),
                tag("<", "f", ">"),
                tag("</", "f", ">")};
    m_buffer.reserve(FlushSize + (1 << 16));
}

bool RowWriter::write(const SheetRow& row) {
    if (!m_problem.isEmpty() || !check(row))
        return false;
    m_lastRow = row.row;
    std::string number;
    appendInteger(number, row.row);
    m_buffer += m_markup.rowStart;
    m_buffer += number;
    m_buffer += '"';
    if (row.outlineLevel > 0) {
        m_buffer += " outlineLevel=\"";
        appendInteger(m_buffer, row.outlineLevel);
        m_buffer += '"';
    }
    m_buffer += '>';
    for (const SheetCell& cell : row.cells)
        appendCell(cell, number);
    m_buffer += m_markup.rowEnd;
    return m_buffer.size() < FlushSize || flush();
}

bool RowWriter::flush() {
    if (!m_problem.isEmpty())
        return false;
    m_written += static_cast<qint64>(m_buffer.size());
    if (m_written > m_byteLimit)
        return refuse(QStringLiteral("the report is larger than a spreadsheet package can hold"));
    const bool written = m_out.write(QByteArrayView(m_buffer.data(), static_cast<qsizetype>(m_buffer.size())));
    m_buffer.clear();
    return written;
}

bool RowWriter::check(const SheetRow& row) {
    const auto rowProblem = [&](const QString& what) {
        return refuse(QStringLiteral("report row %1 %2").arg(row.row).arg(what));
    };
    if (row.row <= m_lastRow)
        return rowProblem(QStringLiteral("comes after row %1").arg(m_lastRow));
    if (row.row < m_extent.firstRow || row.row > m_extent.lastRow)
        return rowProblem(QStringLiteral("lies outside rows %1 to %2").arg(m_extent.firstRow).arg(m_extent.lastRow));
    if (row.outlineLevel < 0 || row.outlineLevel > std::min(m_extent.maxOutlineLevel, MaxOutlineLevel))
        return rowProblem(QStringLiteral("has outline level %1").arg(row.outlineLevel));
    int lastColumn = 0;
    for (const SheetCell& cell : row.cells) {
        if (cell.column <= lastColumn || cell.column > m_extent.lastColumn)
            return rowProblem(QStringLiteral("has column %1 out of order or past column %2")
                                  .arg(cell.column)
                                  .arg(m_extent.lastColumn));
        if (cell.style < 0 || cell.style >= static_cast<int>(m_styleAttributes.size()))
            return rowProblem(QStringLiteral("has unknown style %1").arg(cell.style));
        lastColumn = cell.column;
    }
    return true;
}

void RowWriter::appendCell(const SheetCell& cell, std::string_view rowNumber) {
    m_buffer += m_markup.cellStart;
    appendColumnName(m_buffer, cell.column);
    m_buffer += rowNumber;
    m_buffer += m_styleAttributes[cell.style];
    // A spreadsheet has no value for infinities or NaN: the cell shows the error a calculation would give.
    const bool error =
        (cell.kind == SheetCell::Kind::Number || cell.kind == SheetCell::Kind::Formula) && !std::isfinite(cell.value);
    switch (cell.kind) {
    case SheetCell::Kind::Empty:
        m_buffer += "/>";
        return;
    case SheetCell::Kind::Text:
        m_buffer += " t=\"inlineStr\">";
        m_buffer += m_markup.text;
        appendCellText(m_buffer, cell.text);
        m_buffer += m_markup.textEnd;
        break;
    case SheetCell::Kind::Formula:
        m_buffer += error ? " t=\"e\">" : ">";
        m_buffer += m_markup.formula;
        appendCellText(m_buffer, cell.text);
        m_buffer += m_markup.formulaEnd;
        appendNumber(cell.value);
        break;
    case SheetCell::Kind::Number:
        m_buffer += error ? " t=\"e\">" : ">";
        appendNumber(cell.value);
        break;
    }
    m_buffer += m_markup.cellEnd;
}

void RowWriter::appendNumber(double value) {
    m_buffer += m_markup.value;
    if (std::isfinite(value)) {
        // The shortest text that reads back as the same double.
        char digits[32];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        m_buffer.append(digits, end);
    } else {
        m_buffer += "#NUM!";
    }
    m_buffer += m_markup.valueEnd;
}

bool RowWriter::refuse(const QString& problem) {
    if (m_problem.isEmpty())
        m_problem = problem;
    return false;
}

} // namespace report::xlsx
