#include "LayoutRig.h"

#include "report/layout/ReportLayout.h"

#include <gtest/gtest.h>

#include <charconv>

namespace layout_test {

namespace {

std::string shortest(double value) {
    char text[32];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

} // namespace

core::ReportDefinition definitionOf(const Keys& keys) {
    core::ReportDefinition definition;
    const Keys base{{"FieldsIncluded", "1\f2\f3\f"},
                    {"FieldNamesIncluded", "City\fName\fSales\f"},
                    {"FieldTypes", "1\f1\f5\f"},
                    {"Totals99", "0"}};
    for (const Keys& set : {base, keys}) {
        for (const auto& [key, value] : set)
            definition.setValue(QString::fromUtf8(key), QString::fromUtf8(value));
    }
    return definition;
}

bool RecordingSink::write(const report::SheetRow& row) {
    rows.push_back(row);
    return true;
}

std::string render(const report::SheetRow& row, const std::vector<report::CellStyle>& styles) {
    std::string line = "r" + std::to_string(row.row) + " L" + std::to_string(row.outlineLevel);
    for (const report::SheetCell& cell : row.cells) {
        const std::string column(1, static_cast<char>('A' + cell.column - 1));
        switch (cell.kind) {
        case report::SheetCell::Kind::Empty:
            continue;
        case report::SheetCell::Kind::Text:
            line += " " + column + ":'" + cell.text + "'";
            break;
        case report::SheetCell::Kind::Number:
            line += " " + column + ":" + (styles.at(cell.style).date ? "#" : "") + shortest(cell.value);
            break;
        case report::SheetCell::Kind::Formula:
            line += " " + column + ":=" + cell.text + "→" + shortest(cell.value);
            break;
        }
    }
    return line;
}

LaidOut layOut(const Keys& keys, const Rows& rows) {
    report::ReportLayout layout(definitionOf(keys), QLocale::c());
    MemoryRows source(rows);
    RecordingSink sink;
    core::NoProgress progress;
    if (!layout.plan(source, progress) || !layout.write(source, sink, progress))
        return {{}, layout.problem()};
    EXPECT_EQ(layout.lastRow(), sink.rows.empty() ? layout.firstRow() - 1 : sink.rows.back().row);
    LaidOut result;
    for (const report::SheetRow& row : sink.rows)
        result.lines.push_back(render(row, layout.styles()));
    return result;
}

} // namespace layout_test
