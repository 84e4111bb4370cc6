#include "core/editor/EditorFields.h"
#include "core/editor/EditorValues.h"
#include "support/act/FakeFieldList.h"

#include <gtest/gtest.h>

using namespace core::editor;
using namespace Qt::StringLiterals;
using testing_support::FakeFieldList;

namespace {

// Field 100 + t has type t, for every type from 0 to 16; field 27 is numeric.
FakeFieldList everyType() {
    std::vector<FakeFieldList::Field> fields{{27, "Zip", 5}};
    for (int type = 0; type <= 16; ++type)
        fields.push_back({100 + type, "T" + std::to_string(type), type});
    return FakeFieldList(fields);
}

core::ReportDefinition holding(std::initializer_list<std::pair<const char*, const char*>> keys) {
    core::ReportDefinition definition;
    for (const auto& [key, value] : keys)
        definition.setValue(QString::fromLatin1(key), QString::fromUtf8(value));
    return definition;
}

} // namespace

TEST(EditorFields, SortTypeFollowsTheFieldTypeAndField27IsAlwaysText) {
    FakeFieldList fields = everyType();
    const char* expected[] = {"", "S", "S", "S", "S", "N", "N", "D", "D", "D", "D", "S", "", "S", "S", "S", ""};
    for (int type = 0; type <= 16; ++type)
        EXPECT_EQ(GetFieldType(fields, 100 + type).value(), QString::fromLatin1(expected[type])) << type;
    EXPECT_EQ(GetFieldType(fields, 27).value(), u"S"_s);
    EXPECT_EQ(GetFieldType(fields, 99).value(), QString()); // no such field: no sort
    fields.closed = true;
    EXPECT_EQ(GetFieldType(fields, 101).error().number, FakeFieldList::Closed.number);
    EXPECT_EQ(GetFieldType(fields, 27).value(), u"S"_s);
}

TEST(EditorFields, EveryColumnIsKeptUnknownOnesUnderAName) {
    FakeFieldList fields = everyType();
    // The last piece has no form feed after it; an empty piece is skipped.
    const core::ReportDefinition stored = holding({{"FieldsIncluded", "101\fx\f\f77\f 105"}});
    const IncludedFields read = readIncludedFields(stored, fields);
    EXPECT_EQ(read.fields, (QList<IncludedField>{{101, u"T1"_s}, {77, u"(unknown field 77)"_s}, {105, u"T5"_s}}));
    EXPECT_EQ(std::pair(read.notNumbers, read.unknown), std::pair(QStringList{u"x"_s}, QList<int>{77}));
    EXPECT_FALSE(read.error);
    fields.closed = true;
    EXPECT_TRUE(readIncludedFields(stored, fields).error);
    EXPECT_EQ(notOffered(read.fields), u"\f101\f77\f105\f202\f203\f"_s);
}

TEST(EditorValues, FlagsThatAreNoneAreNotedAndTheDirectionReadsAsTheRunReadsIt) {
    const EditorReading read =
        readEditorValues(holding({{"Title0", "x"}, {"Totals99", ""}, {"TotalPos1", "-1"}, {"TotalPos2", "0"},
                                  {"NoRepeat1", "False"}, {"Header", "?"}, {"SortOrder0", "0"}, {"SortOrder1", "2"},
                                  {"SortOrder2", "x"}, {"Sort0", "16"}, {"Sort1", "n"}}),
                         true);
    EXPECT_EQ(read.unread.size(), 3);
    for (const auto& [unread, key] : {std::pair(read.unread.value(0), u"Header"_s), {read.unread.value(1), u"Title0"_s},
                                      {read.unread.value(2), u"Totals99"_s}})
        EXPECT_EQ(unread.key, key);
    const auto& [s0, s1, s2] = read.values.sections;
    EXPECT_EQ((std::vector{s0.descending, s1.descending, s2.descending}), (std::vector{false, true, false}));
    EXPECT_EQ((std::vector{s0.sortField, s1.sortField}), (std::vector{16, 0}));
    EXPECT_EQ((std::vector{s0.title, s1.totalBelow, s2.totalBelow, s1.noRepeat, read.values.summary}),
              (std::vector{false, true, false, false, true}));
    // A CSV report's header is not read, so not reported.
    EXPECT_TRUE(readEditorValues(holding({{"Header", "?"}}), false).unread.isEmpty());
}

TEST(EditorValues, TopLeftCellTakesOneOrTwoLettersAndARowOfTheSheet) {
    using enum CellProblem;
    const std::tuple<const char*, const char*, CellProblem> cases[] = {
        {"A", "1", None},       {"zz", "1048576", None}, {"AB", "007", None}, {"", "1", Column},  {"AAA", "1", Column},
        {"A1", "1", Column},    {"[", "1", Column},      {" A", "1", Column}, {"A", "", Row},     {"A", "0", Row},
        {"A", "1048577", Row}, {"A", "+1", Row},        {"A", "1 ", Row},    {"A", "٣", Row}, {"A", "99999999999", Row}};
    for (const auto& [column, row, problem] : cases)
        EXPECT_EQ(checkTopLeftCell(QString::fromUtf8(column), QString::fromUtf8(row)), problem) << column << row;
}
