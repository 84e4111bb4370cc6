#include "support/act/FakeFieldList.h"
#include "support/gui/WidgetTest.h"

#include "act/FieldList.h"
#include "act/UsersTable.h"
#include "gui/common/FieldListHelpers.h"
#include "gui/common/ListHelpers.h"
#include "gui/common/ListState.h"

#include <QTest>

#include <array>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;
using testing_support::texts;

namespace {

const act::Error Closed{1009, "the connection to ACT! is closed"};

// Users Ann, Bob and Cy; Count (failing 0) or the Name of one user fails as a closed connection does.
struct FakeUsersTable : act::UsersTable {
    int failing = -1;

    act::Result<int> Count() override { return failing == 0 ? act::Result<int>(Closed) : act::Result<int>(3); }
    act::Result<std::string> Name(int number) override {
        if (number == failing || number < 1 || number > 3)
            return Closed;
        return std::string(std::array{"Ann", "Bob", "Cy"}[static_cast<std::size_t>(number - 1)]);
    }
    act::Result<std::string> UniqueId(int number) override { return "U" + std::to_string(number); }
};

// A shown list of five rows with the given selection mode.
std::unique_ptr<QListWidget> listOfFive(QAbstractItemView::SelectionMode mode) {
    auto list = std::make_unique<QListWidget>();
    list->setSelectionMode(mode);
    list->addItems({u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s});
    list->show();
    return list;
}

// Clicks rows as the user does; in a multiple-selection list each click toggles its row (Ctrl for the extended mode).
void clickRows(QListWidget* list, const QList<int>& rows) {
    const Qt::KeyboardModifiers modifiers =
        list->selectionMode() == QAbstractItemView::ExtendedSelection ? Qt::ControlModifier : Qt::NoModifier;
    for (int row : rows)
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(list->item(row)).center());
}

class ListHelpersTest : public testing_support::WidgetTest {};

TEST_F(ListHelpersTest, LoadUsersAddsUsersWithTheirNumbersAfterWhatTheListHeldAndStopsAtActsError) {
    const std::pair<int, QStringList> cases[] = {
        {-1, {u"kept"_s, u"Ann"_s, u"Bob"_s, u"Cy"_s}}, {0, {u"kept"_s}}, {2, {u"kept"_s, u"Ann"_s}}};
    for (const auto& [failing, listed] : cases) {
        FakeUsersTable users;
        users.failing = failing;
        if (failing >= 0)
            platform.expectErrorBox({"Library1", "Sub", "Load_Users"}, Closed.number,
                                    QString::fromStdString(Closed.description));
        QListWidget list;
        list.addItem(u"kept"_s);
        EXPECT_EQ(gui::Load_Users(&list, users), failing < 0);
        EXPECT_EQ(texts(&list), listed);
        for (int number = 1; number < list.count(); ++number)
            EXPECT_EQ(list.item(number)->data(Qt::UserRole).toInt(), number);
    }
}

TEST_F(ListHelpersTest, GetSelectedItemsKeepsTheLastIndicesOfAMultipleSelectionWhenNothingIsSelected) {
    for (const auto mode : {QAbstractItemView::MultiSelection, QAbstractItemView::ExtendedSelection}) {
        const auto list = listOfFive(mode);
        clickRows(list.get(), {3, 1});
        EXPECT_EQ(gui::GetSelectedItems(list.get()), (QList<int>{1, 3})) << mode;
        clickRows(list.get(), {3, 1});
        ASSERT_TRUE(list->selectedItems().isEmpty()) << mode;
        EXPECT_EQ(gui::GetSelectedItems(list.get()), (QList<int>{1, 3})) << mode;
    }
    // A single selection gives its row, or -1.
    const auto single = listOfFive(QAbstractItemView::SingleSelection);
    clickRows(single.get(), {2});
    EXPECT_EQ(gui::GetSelectedItems(single.get()), QList<int>{2});
    single->clearSelection();
    EXPECT_EQ(gui::GetSelectedItems(single.get()), QList<int>{-1});
}

TEST_F(ListHelpersTest, DeselectClearsTheListInOneChangeWhileTheFlagIsSetAndLowersItAfter) {
    // With nothing selected, nothing happens.
    const std::pair<QAbstractItemView::SelectionMode, QList<int>> cases[] = {
        {QAbstractItemView::MultiSelection, {1, 2, 4}},
        {QAbstractItemView::ExtendedSelection, {0, 3}},
        {QAbstractItemView::SingleSelection, {3}},
        {QAbstractItemView::MultiSelection, {}}};
    for (const auto& [mode, clicked] : cases) {
        const auto list = listOfFive(mode);
        clickRows(list.get(), clicked);
        QList<bool> seen; // the flag, at each selection change
        QObject::connect(list.get(), &QListWidget::itemSelectionChanged, list.get(),
                         [&seen] { seen.append(gui::isDeselecting()); });
        gui::Deselect(list.get());
        EXPECT_TRUE(list->selectedItems().isEmpty()) << mode;
        EXPECT_EQ(seen, clicked.isEmpty() ? QList<bool>() : QList<bool>{true}) << mode;
        EXPECT_FALSE(gui::isDeselecting()) << mode;
    }
}

const core::Procedure PopulateFields{"modPopulateACTLists", "Sub", "Populate_lstFields"};
const core::Procedure IncludeField{"modPopulateACTLists", "Function", "Include_Field"};
const QString AllTypes = u"|1|3|10|13|"_s;
const QStringList AllLabels{u"Company"_s, u"Phone"_s, u"Birthday"_s, u"Manager"_s};

class FieldListHelpersTest : public testing_support::WidgetTest {
protected:
    void TearDown() override {
        gui::setExclusionText(QString());
        WidgetTest::TearDown();
    }

    // Fields of types 1, 3, 10 and 13 with positions between them that hold none.
    testing_support::FakeFieldList fields{
        {{1, "Company", 1}, {-1, "", 0}, {25, "Phone", 3}, {30, "Birthday", 10}, {-1, "", 0}, {40, "Manager", 13}}};
    QListWidget list;
};

TEST_F(FieldListHelpersTest, WalkCountsValidPositionsAndNeverAsksPastTheCount) {
    // A count larger than the field list ends with ACT!'s error.
    const std::tuple<std::optional<int>, QStringList, QList<int>, long> cases[] = {
        {std::nullopt, AllLabels, {0, 1, 2, 3, 4, 5}, 0},
        {2, {u"Company"_s, u"Phone"_s}, {0, 1, 2}, 0},
        {-3, {}, {}, 0},
        {5, AllLabels, {0, 1, 2, 3, 4, 5, 6}, 1004}};
    for (const auto& [count, labels, asked, error] : cases) {
        fields.count = count;
        fields.asked.clear();
        if (error)
            platform.expectErrorBox(PopulateFields, error, u"the field list has no position 6"_s);
        gui::Populate_lstFields(&list, fields, AllTypes, QString());
        EXPECT_EQ(texts(&list), labels) << count.value_or(4);
        EXPECT_EQ(fields.asked, asked) << count.value_or(4);
    }
}

TEST_F(FieldListHelpersTest, ListsTypesBetweenTwoBarsLeavesOutEnclosedIdsAndSelectsWhatItCan) {
    const QString none;
    const std::tuple<QString, QString, QString, QStringList, QStringList, long> cases[] = {
        {u"1|3|10|13"_s, none, none, {u"Phone"_s, u"Birthday"_s}, {}, 0},
        {u"|13|"_s, none, gui::TopItem, {u"Manager"_s}, {u"Manager"_s}, 0},
        {none, none, none, {}, {}, 0},
        {AllTypes, u"\f25\f40\f"_s, u"30"_s, {u"Company"_s, u"Birthday"_s}, {u"Birthday"_s}, 0},
        {AllTypes, u"\f\f1\f"_s, none, {u"Phone"_s, u"Birthday"_s, u"Manager"_s}, {}, 0},
        // Neither part of an id nor an id without its closing 12 counts.
        {AllTypes, u"\f125\f2\f30"_s, u"99"_s, AllLabels, {}, 0},
        {AllTypes, u"25 40"_s, u"-1"_s, AllLabels, {}, 0},
        {AllTypes, none, u"Phone"_s, AllLabels, {}, 13},
        {u"|99|"_s, none, gui::TopItem, {}, {}, 380}, // the top item of an empty list
    };
    for (const auto& [typeList, exclusion, selection, labels, selected, error] : cases) {
        gui::setExclusionText(exclusion);
        if (error)
            platform.expectErrorBox(PopulateFields, error);
        list.setCurrentRow(list.count() - 1);
        gui::Populate_lstFields(&list, fields, typeList, selection);
        const std::string name = (typeList + exclusion + selection).toStdString();
        EXPECT_EQ(texts(&list), labels) << name;
        EXPECT_EQ(texts(&list, true), selected) << name;
    }
}

TEST_F(FieldListHelpersTest, IncludeFieldReportsAnIdThatNoFieldHasOrThatIsNoNumber) {
    gui::setExclusionText(u"\f99\f"_s);
    platform.expectErrorBox(IncludeField, 1003, u"no field has the id 99"_s);
    EXPECT_FALSE(gui::Include_Field(fields, u"99"_s, u"|0|"_s));
    platform.expectErrorBox(IncludeField, 13);
    EXPECT_FALSE(gui::Include_Field(fields, u"Phone"_s, AllTypes));
    EXPECT_TRUE(gui::Include_Field(fields, u"30"_s, AllTypes));
}

} // namespace
