#include "core/editor/EditorValues.h"
#include "core/editor/EditorFields.h"
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

TEST(EditorValues, TopLeftCellTakesOneOrTwoLettersAndARowOfTheSheet) {
    using enum CellProblem;
    const std::tuple<const char*, const char*, CellProblem> cases[] = {
        {"A", "1", None},     {"zz", "1048576", None}, {"AB", "007", None},      {"", "1", Column},
        {"AAA", "1", Column}, {"A1", "1", Column},     {"[", "1", Column},       {" A", "1", Column},
        {"A", "", Row},       {"A", "0", Row},         {"A", "1048577", Row},    {"A", "+1", Row},
        {"A", "1 ", Row},     {"A", "٣", Row},         {"A", "99999999999", Row}};
    for (const auto& [column, row, problem] : cases)
        EXPECT_EQ(checkTopLeftCell(QString::fromUtf8(column), QString::fromUtf8(row)), problem) << column << row;
}

TEST(EditorValues, FontSizesReadWithEitherDecimalPointAndAreWrittenInTheLocalesShortestForm) {
    for (const QString& typed : {u"10,5"_s, u"10.5"_s, u" 10.5 "_s})
        EXPECT_EQ(readFontSize(typed), 10.5) << typed.toStdString();
    for (const QString& refused : {u"0"_s, u"409.5"_s, u"1,000.5"_s, u"nan"_s, QString()})
        EXPECT_EQ(readFontSize(refused), std::nullopt) << refused.toStdString();
    const std::tuple<double, QLocale::Language, QString> cases[] = {{10.5, QLocale::German, u"10,5"_s},
                                                                    {10.5, QLocale::C, u"10.5"_s},
                                                                    {8, QLocale::German, u"8"_s},
                                                                    {10.1, QLocale::C, u"10.1"_s},
                                                                    {409, QLocale::German, u"409"_s}};
    for (const auto& [size, language, text] : cases)
        EXPECT_EQ(fontSizeText(size, QLocale(language, QLocale::Germany)), text) << size;
}
