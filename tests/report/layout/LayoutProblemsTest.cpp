#include "LayoutRig.h"
#include "support/RecordingProgress.h"

#include "report/layout/ReportLayout.h"

#include <gtest/gtest.h>

using namespace layout_test;

namespace {

// "B Arial 8b ^0 _3": the sheet column, the font, a line on top and one at the bottom.
std::string describe(const report::CellStyle& style) {
    std::string text(1, static_cast<char>('A' + style.column - 1));
    if (style.font)
        text += " " + style.font->name.toStdString() + " " + std::to_string(static_cast<int>(style.font->size)) +
                (style.font->bold ? "b" : "");
    if (style.top)
        text += " ^" + std::to_string(style.top->style);
    if (style.bottom)
        text += " _" + std::to_string(style.bottom->style);
    return text;
}

TEST(ReportLayout, RefusesWhatItCannotLayOut) {
    const struct {
        const char* keys;
        Rows rows;
        std::string problem;
    } cases[] = {
        {"", {{"a", "b", "1"}, {"a", "b"}}, "Line 2 of the data file has 2 values; the report expects 3."},
        {"FieldTypes=1\f5\f", {}, "FieldTypes names 2 column types, but the data file has 3 columns."},
        // A sort on field 26 adds its sortable date as a fourth column.
        {"Sort1=26", {}, "FieldTypes names 3 column types, but the data file has 4 columns."},
        {"SortCol1=4", {}, "SortCol1 names column 4, but the data file has 3 columns."},
        {"FieldsIncluded=", {}, "The report has no columns."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(layOut(c.keys, c.rows), std::vector{c.problem});
}

TEST(ReportLayout, StopsAtAFailingSourceOrACancel) {
    report::ReportLayout layout(definitionOf(""), QLocale::c());
    MemoryRows failing({{"a", "b", "1"}}, QStringLiteral("The disk is gone."));
    core::NoProgress progress;
    EXPECT_FALSE(layout.plan(failing, progress));
    EXPECT_EQ(layout.problem().toStdString(), "The disk is gone.");

    MemoryRows rows(Rows(5000, {"a", "b", "1"}));
    testing_support::RecordingProgress cancelInPlan;
    cancelInPlan.answer = [&](qint64) { return cancelInPlan.steps.size() < 2; };
    EXPECT_FALSE(layout.plan(rows, cancelInPlan));
    EXPECT_EQ(layout.problem().toStdString(), "");
    ASSERT_TRUE(layout.plan(rows, progress));
    RecordingSink sink;
    testing_support::RecordingProgress cancelAtOnce;
    cancelAtOnce.answer = [](qint64) { return false; };
    EXPECT_FALSE(layout.write(rows, sink, cancelAtOnce));
    EXPECT_TRUE(sink.rows.empty());
}

TEST(ReportLayout, NeverWritesPastThePlannedRows) {
    // Plans over one set of rows and writes another: the last row planned, the rows written and the problem.
    const auto planThenWrite = [](const char* keys, const Rows& planned, const Rows& written) {
        report::ReportLayout layout(definitionOf(keys), QLocale::c());
        MemoryRows plan(planned), write(written);
        core::NoProgress progress;
        RecordingSink sink;
        EXPECT_TRUE(layout.plan(plan, progress));
        EXPECT_FALSE(layout.write(write, sink, progress));
        std::string outcome = "last " + std::to_string(layout.lastRow()) + ", wrote";
        for (const report::SheetRow& row : sink.rows)
            outcome += " " + std::to_string(row.row);
        return outcome + ": " + layout.problem().toStdString();
    };
    const Rows one{{"a", "b", "1"}}, three(3, one[0]);
    // The data file changed between the passes.
    EXPECT_EQ(planThenWrite("Totals99=1; TotalPos99=0", one, {one[0], {"a", "b", "2"}}),
              "last 2, wrote 1 2: The data file changed while the report was being written.");
    // The rows would not fit the sheet.
    EXPECT_EQ(planThenWrite("TopLeftRow=1048575; Header=1; Totals99=1", three, three),
              "last 1048579, wrote: The report needs 1048579 sheet rows; a sheet holds 1048576.");
}

TEST(ReportLayout, StylesTitleAndTotalRowsAcrossEveryColumn) {
    report::ReportLayout layout(
        definitionOf("TopLeftCol=B; SortCol0=1; Title0=1; TitleFontSize0=12; TitleBorderStyle0=2; Totals0=1; "
                     "TotalFontName0=Verdana; 3CalcType0=1; 3Different0=1; 3LineAbove0=1; Totals99=1; TotalPos99=0; "
                     "TotalBorderStyle99=3; TotalBorder0=1"),
        QLocale::c());
    MemoryRows rows({{"Lyon", "Ann", "1"}});
    core::NoProgress progress;
    RecordingSink sink;
    ASSERT_TRUE(layout.plan(rows, progress) && layout.write(rows, sink, progress));
    std::vector<std::vector<std::string>> styles;
    for (const report::SheetRow& row : sink.rows) {
        styles.emplace_back();
        for (const report::SheetCell& cell : row.cells)
            styles.back().push_back(describe(layout.styles().at(cell.style)));
    }
    const std::vector<std::vector<std::string>> expected{
        {"B Arial 8b _3", "C Arial 8b _3", "D Arial 8b _3"},
        {"B Arial 12b _2", "C Arial 12b _2", "D Arial 12b _2"},
        {"C", "D"},
        {"B Verdana 8b ^0", "C Verdana 8b ^0", "D Verdana 11 ^0"},
    };
    EXPECT_EQ(styles, expected);
}

} // namespace
