#include "core/definition/ReportDefinition.h"
#include "core/definition/DefinitionValues.h"
#include "support/TempEnvironment.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

using core::ReportDefinition;

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
    // A colour that is not a number is unreadable, so the default; one out of range is black.
    EXPECT_EQ(core::definition::readColour(QStringLiteral("abc")), std::nullopt);
    EXPECT_EQ(core::definition::readColour(QStringLiteral("-1")), 0);
}

TEST(ReportDefinition, AbsentSectionKeysTakeTheEditorsDefaults) {
    const ReportDefinition none;
    for (const int section : {0, 1, 2, ReportDefinition::Summary}) {
        SCOPED_TRACE(section);
        const core::TotalFormat total = none.total(section);
        EXPECT_EQ(total.on, section == ReportDefinition::Summary);
        EXPECT_TRUE(total.below);
        EXPECT_EQ(total.caption, section == ReportDefinition::Summary ? QStringLiteral("Total Sales :")
                                                                      : QStringLiteral("Total for <value> :"));
        EXPECT_EQ(total.captionColumn, 1);
        EXPECT_TRUE(total.border);
        EXPECT_EQ(total.font.name, QStringLiteral("Arial"));
        EXPECT_EQ(total.font.size, 8);
        const core::ColumnTotal cell = none.columnTotal(25, section);
        EXPECT_EQ(cell.calculation, core::ColumnTotal::None);
        EXPECT_TRUE(cell.font.name.isEmpty()); // the row's typeface
        EXPECT_FALSE(cell.font.bold);
        EXPECT_EQ(cell.font.size, 11);
    }
    const core::TitleFormat title = none.title(1);
    EXPECT_EQ(title.caption, QStringLiteral("<value>"));
    EXPECT_TRUE(title.noRepeat);
    EXPECT_EQ(title.font.name, QStringLiteral("Arial"));
    EXPECT_TRUE(title.font.bold);
}

TEST(ReportDefinition, SaveReplacesTheWorkingCopyKeepingKeysItDoesNotKnow) {
    testing_support::TempEnvironment env;
    core::SettingsStore store;
    const auto pair = [](const char* key, const char* value) {
        return qMakePair(QString::fromLatin1(key), QString::fromLatin1(value));
    };
    ASSERT_TRUE(store.ReplaceSection(QStringLiteral("Report"), {pair("25CalcType1", "1"), pair("Sort0", "5"),
                                                                pair("Unknown", "x\fy"), pair("sort0", "lower")}));
    ReportDefinition definition = ReportDefinition::load(store);
    EXPECT_EQ(definition.sortField(0), 5);
    definition.setValue(QStringLiteral("SortCol0"), QStringLiteral("2"));
    // Written meanwhile, so not in the definition: one replacing write drops it.
    ASSERT_TRUE(store.SaveSetting(QStringLiteral("Report"), QStringLiteral("Stale"), QStringLiteral("1")));
    ASSERT_TRUE(definition.save(store));
    EXPECT_EQ(store.GetAllSettings(QStringLiteral("Report")),
              (core::SettingsStore::Pairs{pair("25CalcType1", "1"), pair("Sort0", "5"), pair("SortCol0", "2"),
                                          pair("Unknown", "x\fy"), pair("sort0", "lower")}));
}
