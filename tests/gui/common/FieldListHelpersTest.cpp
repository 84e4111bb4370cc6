#include "support/gui/WidgetTest.h"

#include "act/FieldList.h"
#include "gui/common/FieldListHelpers.h"
#include "gui/common/ListState.h"

#include <optional>
#include <vector>

using namespace Qt::StringLiterals;
using testing_support::texts;

namespace {

// Fields of types 1, 3, 10 and 13 with positions between them that hold none. Past the last position and for an
// unknown id it answers with errors, as ACT! does.
class FakeFieldList : public act::FieldList {
public:
    std::optional<int> count; // what Count answers instead of the number of fields
    QList<int> asked;         // positions of IdAt calls

    act::Result<int> Count() override { return count.value_or(4); }
    act::Result<int> IdAt(int position) override {
        asked.append(position);
        return at(position, &Field::id);
    }
    act::Result<std::string> LabelAt(int position) override { return at(position, &Field::label); }
    act::Result<int> TypeAt(int position) override { return at(position, &Field::type); }
    act::Result<std::string> Label(int id) override { return byId(id, &Field::label); }
    act::Result<int> Type(int id) override { return byId(id, &Field::type); }
    act::Result<bool> Exists(int id) override { return byId(id, &Field::id).ok(); }

private:
    struct Field {
        int id; // -1: a position without a field
        std::string label;
        int type;
    };
    template <typename T> act::Result<T> at(int position, T Field::*member) const {
        if (position < 0 || position >= static_cast<int>(m_fields.size()))
            return act::Error{1004, "the field list has no position " + std::to_string(position)};
        return m_fields[static_cast<std::size_t>(position)].*member;
    }
    template <typename T> act::Result<T> byId(int id, T Field::*member) const {
        for (const Field& field : m_fields)
            if (field.id == id && id != -1)
                return field.*member;
        return act::Error{1003, "no field has the id " + std::to_string(id)};
    }

    const std::vector<Field> m_fields{
        {1, "Company", 1}, {-1, "", 0}, {25, "Phone", 3}, {30, "Birthday", 10}, {-1, "", 0}, {40, "Manager", 13},
    };
};

const QString AllTypes = u"|1|3|10|13|"_s;
const QStringList AllLabels{u"Company"_s, u"Phone"_s, u"Birthday"_s, u"Manager"_s};

class FieldListHelpersTest : public testing_support::WidgetTest {
protected:
    void SetUp() override { gui::setExclusionText(QString()); }
    void TearDown() override {
        gui::setExclusionText(QString());
        WidgetTest::TearDown();
    }
    void expectErrorBox(long number, const QString& description = QString(), const char* procedure = nullptr) {
        platform.expectErrorBox(
            {"modPopulateACTLists", procedure ? "Function" : "Sub", procedure ? procedure : "Populate_lstFields"},
            number, description);
    }

    FakeFieldList fields;
    QListWidget list;
};

TEST_F(FieldListHelpersTest, WalkCountsValidPositionsAndNeverAsksPastTheCount) {
    struct Case {
        std::optional<int> count;
        QStringList labels;
        QList<int> asked;
        long error;
    };
    const Case cases[] = {
        {std::nullopt, AllLabels, {0, 1, 2, 3, 4, 5}, 0},
        {2, {u"Company"_s, u"Phone"_s}, {0, 1, 2}, 0},
        {0, {}, {}, 0},
        {-3, {}, {}, 0},
        {5, AllLabels, {0, 1, 2, 3, 4, 5, 6}, 1004}, // a count larger than the field list ends with ACT!'s error
    };
    for (const Case& c : cases) {
        fields.count = c.count;
        fields.asked.clear();
        if (c.error)
            expectErrorBox(c.error, u"the field list has no position 6"_s);
        gui::Populate_lstFields(&list, fields, AllTypes, QString());
        EXPECT_EQ(texts(&list), c.labels) << c.count.value_or(4);
        EXPECT_EQ(fields.asked, c.asked) << c.count.value_or(4);
    }
}

TEST_F(FieldListHelpersTest, ListsTypesBetweenTwoBarsLeavesOutEnclosedIdsAndSelectsWhatItCan) {
    struct Case {
        QString typeList, exclusion, selection;
        QStringList labels, selected;
        long error;
    };
    const QString none;
    const Case cases[] = {
        {u"1|3|10|13"_s, none, none, {u"Phone"_s, u"Birthday"_s}, {}, 0},
        {u"|13|"_s, none, gui::TopItem, {u"Manager"_s}, {u"Manager"_s}, 0},
        {u"|1|0|"_s, none, none, {u"Company"_s}, {}, 0},
        {none, none, none, {}, {}, 0},
        {AllTypes, u"\f25\f40\f"_s, u"30"_s, {u"Company"_s, u"Birthday"_s}, {u"Birthday"_s}, 0},
        {AllTypes, u"\f\f1\f"_s, none, {u"Phone"_s, u"Birthday"_s, u"Manager"_s}, {}, 0},
        // Neither part of an id nor an id without its closing 12 counts.
        {AllTypes, u"\f125\f2\f30"_s, u"99"_s, AllLabels, {}, 0},
        {AllTypes, u"25 40"_s, u"-1"_s, AllLabels, {}, 0},
        {AllTypes, none, u"Phone"_s, AllLabels, {}, 13},
        {u"|99|"_s, none, gui::TopItem, {}, {}, 380}, // the top item of an empty list
    };
    for (const Case& c : cases) {
        gui::setExclusionText(c.exclusion);
        if (c.error)
            expectErrorBox(c.error);
        list.setCurrentRow(list.count() - 1);
        gui::Populate_lstFields(&list, fields, c.typeList, c.selection);
        const std::string name = (c.typeList + c.exclusion + c.selection).toStdString();
        EXPECT_EQ(texts(&list), c.labels) << name;
        EXPECT_EQ(texts(&list, true), c.selected) << name;
    }
}

TEST_F(FieldListHelpersTest, IncludeFieldReportsAnIdThatNoFieldHasOrThatIsNoNumber) {
    gui::setExclusionText(u"\f99\f"_s);
    expectErrorBox(1003, u"no field has the id 99"_s, "Include_Field");
    EXPECT_FALSE(gui::Include_Field(fields, u"99"_s, u"|0|"_s));
    expectErrorBox(13, QString(), "Include_Field");
    EXPECT_FALSE(gui::Include_Field(fields, u"Phone"_s, AllTypes));
    EXPECT_TRUE(gui::Include_Field(fields, u"30"_s, AllTypes));
}

} // namespace
