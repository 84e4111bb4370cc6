#include "WidgetTest.h"

#include "act/FieldList.h"
#include "gui/common/FieldListHelpers.h"
#include "gui/common/ListState.h"

#include <map>
#include <optional>
#include <vector>

namespace {

using testing_support::texts;

struct FakeField {
    int id; // -1: a position without a field
    std::string label;
    int type;
};

// A field list by position, counting what the walk asks. Past the last position and for an unknown id it answers
// with errors, as ACT! does.
class FakeFieldList : public act::FieldList {
public:
    std::optional<int> count; // what Count answers instead of the number of fields
    std::map<int, int> idAtCalls;

    act::Result<int> Count() override {
        if (count)
            return *count;
        return static_cast<int>(
            std::count_if(m_fields.begin(), m_fields.end(), [](const auto& f) { return f.id != -1; }));
    }
    act::Result<int> IdAt(int position) override {
        ++idAtCalls[position];
        return answer(at(position), &FakeField::id, noPosition(position));
    }
    act::Result<std::string> LabelAt(int position) override {
        return answer(at(position), &FakeField::label, noPosition(position));
    }
    act::Result<int> TypeAt(int position) override {
        return answer(at(position), &FakeField::type, noPosition(position));
    }
    act::Result<std::string> Label(int id) override { return answer(byId(id), &FakeField::label, unknownId(id)); }
    act::Result<int> Type(int id) override { return answer(byId(id), &FakeField::type, unknownId(id)); }
    act::Result<bool> Exists(int id) override { return byId(id) != nullptr; }

private:
    template <typename T> static act::Result<T> answer(const FakeField* field, T FakeField::*member, act::Error error) {
        if (field)
            return field->*member;
        return error;
    }
    const FakeField* at(int position) const {
        return position >= 0 && position < static_cast<int>(m_fields.size())
                   ? &m_fields[static_cast<std::size_t>(position)]
                   : nullptr;
    }
    const FakeField* byId(int id) const {
        const auto found =
            std::find_if(m_fields.begin(), m_fields.end(), [id](const FakeField& f) { return id != -1 && f.id == id; });
        return found == m_fields.end() ? nullptr : &*found;
    }
    static act::Error noPosition(int position) {
        return {1004, "the field list has no position " + std::to_string(position)};
    }
    static act::Error unknownId(int id) { return {1003, "no field has the id " + std::to_string(id)}; }

    // Four fields of types 1, 3, 10 and 13, with gaps.
    std::vector<FakeField> m_fields{
        {1, "Company", 1}, {-1, "", 0}, {25, "Phone", 3}, {30, "Birthday", 10}, {-1, "", 0}, {40, "Manager", 13},
    };
};

const QString AllTypes = QStringLiteral("|1|3|10|13|");
const QStringList AllLabels{QStringLiteral("Company"), QStringLiteral("Phone"), QStringLiteral("Birthday"),
                            QStringLiteral("Manager")};

class FieldListHelpersTest : public testing_support::WidgetTest {
protected:
    void SetUp() override { gui::setExclusionText(QString()); }
    void TearDown() override {
        gui::setExclusionText(QString());
        WidgetTest::TearDown();
    }

    FakeFieldList fields;
    QListWidget list;
};

TEST_F(FieldListHelpersTest, WalkStopsAtTheCountOfValidPositionsAndNeverAsksPastIt) {
    struct Case {
        std::optional<int> count;
        QStringList labels;
        std::map<int, int> asked; // position -> IdAt calls
    };
    const Case cases[] = {
        {std::nullopt, AllLabels, {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}},
        {2, {QStringLiteral("Company"), QStringLiteral("Phone")}, {{0, 1}, {1, 1}, {2, 1}}},
        {0, {}, {}},
        {-3, {}, {}},
    };
    for (const Case& c : cases) {
        fields.count = c.count;
        fields.idAtCalls.clear();
        gui::Populate_lstFields(&list, fields, AllTypes, QString());
        EXPECT_EQ(texts(&list), c.labels) << c.count.value_or(4);
        EXPECT_EQ(fields.idAtCalls, c.asked) << c.count.value_or(4);
    }

    fields.count.reset();
    gui::Populate_lstFields(&list, fields, AllTypes, QString());
    QList<int> ids;
    for (int row = 0; row < list.count(); ++row)
        ids.append(list.item(row)->data(Qt::UserRole).toInt());
    EXPECT_EQ(ids, (QList<int>{1, 25, 30, 40}));
}

TEST_F(FieldListHelpersTest, ACountLargerThanTheFieldListEndsWithActsErrorInsteadOfWalkingOn) {
    fields.count = 5;
    platform.expectErrorBox(1004, QStringLiteral("the field list has no position 6"),
                            QStringLiteral("modPopulateACTLists"), QStringLiteral("Populate_lstFields"));
    gui::Populate_lstFields(&list, fields, AllTypes, gui::TopItem);
    EXPECT_EQ(texts(&list), AllLabels);
    EXPECT_TRUE(list.selectedItems().isEmpty());
}

TEST_F(FieldListHelpersTest, OnlyTypesBetweenTwoBarsAreAdmitted) {
    const std::pair<QString, QStringList> cases[] = {
        {AllTypes, AllLabels},
        {QStringLiteral("1|3|10|13"), {QStringLiteral("Phone"), QStringLiteral("Birthday")}},
        {QStringLiteral("|13|"), {QStringLiteral("Manager")}},
        {QStringLiteral("|1|0|"), {QStringLiteral("Company")}},
        {QString(), {}},
    };
    for (const auto& [typeList, labels] : cases) {
        gui::Populate_lstFields(&list, fields, typeList, QString());
        EXPECT_EQ(texts(&list), labels) << typeList.toStdString();
    }
}

TEST_F(FieldListHelpersTest, IdsEnclosedInTheExclusionTextAreLeftOut) {
    const std::pair<QString, QStringList> cases[] = {
        {QStringLiteral("\f25\f40\f"), {QStringLiteral("Company"), QStringLiteral("Birthday")}},
        {QStringLiteral("\f\f1\f"), {QStringLiteral("Phone"), QStringLiteral("Birthday"), QStringLiteral("Manager")}},
        {QStringLiteral("\f125\f2\f30"), AllLabels}, // neither part of an id nor an id without its closing 12
        {QStringLiteral("25 40"), AllLabels},
    };
    for (const auto& [exclusion, labels] : cases) {
        gui::setExclusionText(exclusion);
        gui::Populate_lstFields(&list, fields, AllTypes, QString());
        EXPECT_EQ(texts(&list), labels) << exclusion.toStdString();
    }
}

TEST_F(FieldListHelpersTest, SelectionTextSelectsNothingTheTopItemOrTheFieldWithThatId) {
    const std::pair<QString, QStringList> cases[] = {
        {QString(), {}},
        {gui::TopItem, {QStringLiteral("Company")}},
        {QStringLiteral("30"), {QStringLiteral("Birthday")}},
        {QStringLiteral("99"), {}},
        {QStringLiteral("-1"), {}},
    };
    for (const auto& [selection, selected] : cases) {
        list.setCurrentRow(list.count() - 1);
        gui::Populate_lstFields(&list, fields, AllTypes, selection);
        EXPECT_EQ(texts(&list), AllLabels) << selection.toStdString();
        EXPECT_EQ(texts(&list, true), selected) << selection.toStdString();
    }
}

TEST_F(FieldListHelpersTest, SelectingWhatCannotBeSelectedShowsTheErrorBox) {
    struct Case {
        QString typeList, selection;
        long number;
        QString description;
        QStringList labels;
    };
    const Case cases[] = {
        {QStringLiteral("|99|"), gui::TopItem, 380, QStringLiteral("Invalid property value"), {}},
        {AllTypes, QStringLiteral("Phone"), 13, QStringLiteral("Type mismatch"), AllLabels},
    };
    for (const Case& c : cases) {
        platform.expectErrorBox(c.number, c.description, QStringLiteral("modPopulateACTLists"),
                                QStringLiteral("Populate_lstFields"));
        gui::Populate_lstFields(&list, fields, c.typeList, c.selection);
        EXPECT_EQ(texts(&list), c.labels) << c.number;
        EXPECT_TRUE(list.selectedItems().isEmpty()) << c.number;
    }
}

TEST_F(FieldListHelpersTest, IncludeFieldReportsAnIdThatNoFieldHasOrThatIsNoNumber) {
    gui::setExclusionText(QStringLiteral("\f99\f"));
    platform.expectErrorBox(1003, QStringLiteral("no field has the id 99"), QStringLiteral("modPopulateACTLists"),
                            QStringLiteral("Include_Field"), QStringLiteral("Function"));
    EXPECT_FALSE(gui::Include_Field(fields, QStringLiteral("99"), QStringLiteral("|0|")));
    platform.expectErrorBox(13, QStringLiteral("Type mismatch"), QStringLiteral("modPopulateACTLists"),
                            QStringLiteral("Include_Field"), QStringLiteral("Function"));
    EXPECT_FALSE(gui::Include_Field(fields, QStringLiteral("Phone"), AllTypes));
    EXPECT_TRUE(gui::Include_Field(fields, QStringLiteral("30"), AllTypes));
}

} // namespace
