#include "LayoutRig.h"

#include "report/layout/ReportLayout.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <charconv>

namespace layout_test {

namespace {

std::string shortest(double value) {
    char text[32];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

std::string render(const report::SheetRow& row, const std::vector<report::CellStyle>& styles) {
    std::string line = "r" + std::to_string(row.row) + " L" + std::to_string(row.outlineLevel);
    for (const report::SheetCell& cell : row.cells) {
        const std::string column = " " + std::string(1, static_cast<char>('A' + cell.column - 1)) + ":";
        switch (cell.kind) {
        case report::SheetCell::Kind::Empty:
            break;
        case report::SheetCell::Kind::Text:
            line += column + "'" + cell.text + "'";
            break;
        case report::SheetCell::Kind::Number:
            line += column + (styles.at(cell.style).date ? "#" : "") + shortest(cell.value);
            break;
        case report::SheetCell::Kind::Formula:
            line += column + "=" + cell.text + "→" + shortest(cell.value);
            break;
        }
    }
    return line;
}

} // namespace

core::ReportDefinition definitionOf(const char* keys) {
    core::ReportDefinition definition;
    const QString all = QStringLiteral("FieldsIncluded=1\f2\f3\f; FieldNamesIncluded=City\fName\fSales\f; "
                                       "FieldTypes=1\f1\f5\f; Totals99=0; ") +
                        QString::fromUtf8(keys);
    for (const QString& entry : all.split(QRegularExpression(QStringLiteral(";\\s*")), Qt::SkipEmptyParts)) {
        const qsizetype equals = entry.indexOf(u'=');
        definition.setValue(entry.first(equals), entry.sliced(equals + 1));
    }
    return definition;
}

std::vector<std::string> layOut(const char* keys, const Rows& rows) {
    report::ReportLayout layout(definitionOf(keys), QLocale::c());
    MemoryRows source(rows);
    RecordingSink sink;
    core::NoProgress progress;
    if (!layout.plan(source, progress) || !layout.write(source, sink, progress))
        return {layout.problem().toStdString()};
    EXPECT_EQ(layout.lastRow(), sink.rows.empty() ? layout.firstRow() - 1 : sink.rows.back().row);
    std::vector<std::string> lines;
    for (const report::SheetRow& row : sink.rows)
        lines.push_back(render(row, layout.styles()));
    return lines;
}

} // namespace layout_test
