#include "ReportSupport.h"

#include "FuzzSupport.h"

#include "report/xlsx/WorkbookWriter.h"

namespace fuzz {

void writeReport(const QString& templatePath) {
    using Kind = report::SheetCell::Kind;
    report::xlsx::WorkbookWriter writer(templatePath);
    core::FontFormat bold;
    bold.name = QStringLiteral("Arial");
    bold.bold = true;
    const std::vector<report::CellStyle> styles{{1, {}, {}, {}, false},
                                                {2, bold, std::nullopt, core::LineFormat{1, 255}, false},
                                                {3, std::nullopt, core::LineFormat{3, 0}, std::nullopt, true}};
    const QString target = scratchPath(QStringLiteral("report.xlsx"));
    if (!writer.begin(target, styles, {2, 4, 3, 1}, QLocale::c()))
        return;
    const std::vector<report::SheetRow> rows{
        {2, 0, {{1, Kind::Text, 1, "City", 0}, {3, Kind::Text, 1, "Créé <&>", 0}}},
        {3, 1, {{1, Kind::Number, 0, {}, 1234.5}, {3, Kind::Number, 2, {}, 45000.25}}},
        {4, 0, {{1, Kind::Formula, 1, "SUBTOTAL(9,A3:A3)", 1234.5}, {2, Kind::Empty, 2, {}, 0}}},
    };
    for (const report::SheetRow& row : rows)
        if (!writer.sheet().write(row))
            return;
    if (writer.finish())
        requireReadable(target);
}

void requireReadable(const QString& workbookPath) {
    const report::xlsx::WorkbookWriter again(workbookPath);
    require(again.problem().isEmpty(), "a workbook written from a template reads back as one");
}

} // namespace fuzz
