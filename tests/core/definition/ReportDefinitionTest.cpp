#include "core/definition/ReportDefinition.h"
#include "support/TempEnvironment.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <utility>
#include <vector>

using core::ReportDefinition;
using namespace Qt::StringLiterals;

namespace {

// A definition of one key; a null text leaves it out.
ReportDefinition holding(const char* key, const char* text) {
    ReportDefinition definition;
    if (text)
        definition.setValue(QString::fromLatin1(key), QString::fromUtf8(text));
    return definition;
}

} // namespace

TEST(ReportDefinition, FlagsReadOnOrOffElseTheirDefault) {
    const struct {
        const char* text;
        std::optional<bool> read;
    } cases[] = {{"1", true},  {"True", true},   {"true", true},        {"-1", true},       {"2", true},
                 {"0", false}, {"False", false}, {"yes", std::nullopt}, {"", std::nullopt}, {nullptr, std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "<absent>");
        EXPECT_EQ(holding("Title0", c.text).title(0).on, c.read.value_or(false));
        EXPECT_EQ(holding("TitleBorderBelow0", c.text).title(0).borderBelow, c.read.value_or(true));
        EXPECT_EQ(holding("TotalFontBold1", c.text).total(1).font.bold, c.read.value_or(true));
    }
}

TEST(ReportDefinition, UnreadableValuesFallBackToTheirDefaults) {
    using Read = double (*)(const ReportDefinition&);
    const Read column = [](const ReportDefinition& d) -> double { return d.topLeftColumn(); };
    const Read row = [](const ReportDefinition& d) -> double { return d.topLeftRow(); };
    const Read sortColumn = [](const ReportDefinition& d) -> double { return d.sortColumn(1); };
    const Read descending = [](const ReportDefinition& d) -> double { return d.sortLevel(0).descending; };
    const Read titleSize = [](const ReportDefinition& d) { return d.title(0).font.size; };
    const Read cellSize = [](const ReportDefinition& d) { return d.columnTotal(25, 1).font.size; };
    const Read colour = [](const ReportDefinition& d) -> double { return d.title(2).font.colour; };
    const Read below = [](const ReportDefinition& d) -> double { return d.total(99).below; };
    const struct {
        const char* key;
        Read read;
        std::vector<std::pair<const char*, double>> readings; // a null text leaves the key out
    } cases[] = {
        {"TopLeftCol", column, {{"a", 1}, {"ZZ", 702}, {"aB", 28}, {"AAA", 1}, {"1", 1}}},
        {"TopLeftRow", row, {{"5", 5}, {"0", 1}, {"x", 1}}},
        {"SortCol1", sortColumn, {{nullptr, -1}, {"3", 3}, {"0", -1}, {"x", -1}}},
        {"SortOrder0", descending, {{"2", 1}, {"1", 0}, {"True", 0}}},
        {"TitleFontSize0", titleSize, {{"10.5", 10.5}, {"10,5", 10.5}, {"abc", 8}, {"0", 8}, {"-3", 8}}},
        {"25FontSize1", cellSize, {{nullptr, 11}, {"abc", 11}, {"9", 9}}},
        // Negative values (the system colours) and larger ones are black.
        {"TitleFontColor2", colour, {{"16777215", 16777215}, {"-2147483640", 0}, {"16777216", 0}, {"99999999999", 0}}},
        {"TotalPos99", below, {{"0", 0}, {"False", 0}, {"x", 1}}},
    };
    for (const auto& c : cases)
        for (const auto& [text, expected] : c.readings)
            EXPECT_EQ(c.read(holding(c.key, text)), expected) << c.key << "=" << (text ? text : "<absent>");
}

TEST(ReportDefinition, AbsentSectionKeysTakeTheEditorsDefaults) {
    const ReportDefinition none;
    const core::FontFormat arialBold{.name = u"Arial"_s, .bold = true};
    const core::TotalFormat section = none.total(2), summary = none.total(ReportDefinition::Summary);
    EXPECT_EQ(std::tuple(section.on, section.caption, section.captionColumn, section.border, section.font),
              std::tuple(false, u"Total for <value> :"_s, 1, true, arialBold));
    EXPECT_EQ(std::tuple(summary.on, summary.caption, summary.font), std::tuple(true, u"Total Sales :"_s, arialBold));
    // A cell's font without a typeface takes the row's.
    const core::ColumnTotal cell = none.columnTotal(25, 1);
    EXPECT_EQ(std::tuple(cell.calculation, cell.font.name, cell.font.bold, cell.font.size),
              std::tuple(core::ColumnTotal::None, QString(), false, 11.0));
    const core::TitleFormat title = none.title(1);
    EXPECT_EQ(std::tuple(title.caption, title.noRepeat, title.font), std::tuple(u"<value>"_s, true, arialBold));
}

TEST(ReportDefinition, SaveReplacesTheWorkingCopyKeepingKeysItDoesNotKnow) {
    testing_support::TempEnvironment env;
    core::SettingsStore store;
    core::SettingsStore::Pairs pairs = {
        {u"25CalcType1"_s, u"1"_s}, {u"Sort0"_s, u"5"_s}, {u"Unknown"_s, u"x\fy"_s}, {u"sort0"_s, u"lower"_s}};
    ASSERT_TRUE(store.ReplaceSection(u"Report"_s, pairs));
    ReportDefinition definition = ReportDefinition::load(store);
    EXPECT_EQ(definition.sortField(0), 5);
    definition.setValue(u"SortCol0"_s, u"2"_s);
    // Written meanwhile, so not in the definition: one replacing write drops it.
    ASSERT_TRUE(store.SaveSetting(u"Report"_s, u"Stale"_s, u"1"_s));
    ASSERT_TRUE(definition.save(store));
    pairs.insert(2, {u"SortCol0"_s, u"2"_s});
    EXPECT_EQ(store.GetAllSettings(u"Report"_s), pairs);
}
