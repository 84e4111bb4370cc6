#include "WidgetTest.h"

#include "act/UsersTable.h"
#include "gui/common/ListHelpers.h"
#include "gui/common/ListState.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

#include <optional>
#include <vector>

namespace {

using testing_support::texts;

class FakeUsersTable : public act::UsersTable {
public:
    explicit FakeUsersTable(std::vector<std::string> names) : m_names(std::move(names)) {}

    std::optional<act::Error> countError;
    int failingNumber = 0; // Name of this number fails

    act::Result<int> Count() override {
        if (countError)
            return *countError;
        return static_cast<int>(m_names.size());
    }
    act::Result<std::string> Name(int number) override {
        if (number == failingNumber || number < 1 || number > static_cast<int>(m_names.size()))
            return act::Error{1009, "the connection to ACT! is closed"};
        return m_names[static_cast<std::size_t>(number - 1)];
    }
    act::Result<std::string> UniqueId(int number) override { return "U" + std::to_string(number); }

private:
    std::vector<std::string> m_names;
};

// A shown list of five rows with the given selection mode.
std::unique_ptr<QListWidget> listOfFive(QAbstractItemView::SelectionMode mode) {
    auto list = std::make_unique<QListWidget>();
    list->setSelectionMode(mode);
    list->addItems(
        {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("e")});
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

TEST_F(ListHelpersTest, EmptyListEmptiesListsAndCombosAndLeavesEmptyOnesAlone) {
    QListWidget list;
    QSignalSpy listChanges(&list, &QListWidget::currentRowChanged);
    gui::Empty_List(&list);
    EXPECT_EQ(listChanges.count(), 0);
    list.addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    gui::Empty_List(&list);
    EXPECT_EQ(list.count(), 0);

    QComboBox combo;
    QSignalSpy comboChanges(&combo, &QComboBox::currentIndexChanged);
    gui::Empty_List(&combo);
    EXPECT_EQ(comboChanges.count(), 0);
    combo.addItems({QStringLiteral("a"), QStringLiteral("b")});
    gui::Empty_List(&combo);
    EXPECT_EQ(combo.count(), 0);
}

TEST_F(ListHelpersTest, LoadUsersAddsEveryUserWithTheirNumberAfterWhatTheListHeld) {
    FakeUsersTable users({"Ann", "Bob", "Cy"});
    QListWidget list;
    list.addItem(QStringLiteral("kept"));
    EXPECT_TRUE(gui::Load_Users(&list, users));
    EXPECT_EQ(texts(&list), (QStringList{QStringLiteral("kept"), QStringLiteral("Ann"), QStringLiteral("Bob"),
                                         QStringLiteral("Cy")}));
    for (int number = 1; number <= 3; ++number)
        EXPECT_EQ(list.item(number)->data(Qt::UserRole).toInt(), number);
}

TEST_F(ListHelpersTest, LoadUsersReportsActsErrorAndStops) {
    struct Case {
        std::optional<act::Error> countError;
        int failingNumber;
        QStringList added;
    };
    const Case cases[] = {
        {act::Error{1002, "the database is unavailable"}, 0, {}},
        {std::nullopt, 2, {QStringLiteral("Ann")}},
    };
    for (const Case& c : cases) {
        FakeUsersTable users({"Ann", "Bob", "Cy"});
        users.countError = c.countError;
        users.failingNumber = c.failingNumber;
        const act::Error expected = c.countError.value_or(act::Error{1009, "the connection to ACT! is closed"});
        platform.expectErrorBox(expected.number, QString::fromStdString(expected.description),
                                QStringLiteral("Library1"), QStringLiteral("Load_Users"));
        QListWidget list;
        EXPECT_FALSE(gui::Load_Users(&list, users));
        EXPECT_EQ(texts(&list), c.added);
    }
}

TEST_F(ListHelpersTest, GetSelectedItemsOfAMultipleSelectionKeepsThePreviousIndicesWhenNothingIsSelected) {
    for (const auto mode : {QAbstractItemView::MultiSelection, QAbstractItemView::ExtendedSelection}) {
        const auto list = listOfFive(mode);
        clickRows(list.get(), {3, 1});
        EXPECT_EQ(gui::GetSelectedItems(list.get()), (QList<int>{1, 3})) << mode;

        clickRows(list.get(), {3, 1});
        ASSERT_TRUE(list->selectedItems().isEmpty()) << mode;
        EXPECT_EQ(gui::GetSelectedItems(list.get()), (QList<int>{1, 3})) << mode;
        EXPECT_EQ(gui::selectedItems(), (QList<int>{1, 3})) << mode;
    }
}

TEST_F(ListHelpersTest, GetSelectedItemsOfASingleSelectionGivesItsSelectedRowOrNone) {
    const auto single = listOfFive(QAbstractItemView::SingleSelection);
    clickRows(single.get(), {2});
    EXPECT_EQ(gui::GetSelectedItems(single.get()), QList<int>{2});
    single->clearSelection();
    EXPECT_EQ(gui::GetSelectedItems(single.get()), QList<int>{-1});
}

TEST_F(ListHelpersTest, DeselectClearsTheListWhileTheFlagIsSetAndLowersItAfter) {
    struct Case {
        QAbstractItemView::SelectionMode mode;
        QList<int> clicked;
        QList<bool> flagSeenBySlot; // one entry per selection change
    };
    const Case cases[] = {
        {QAbstractItemView::MultiSelection, {1, 2, 4}, {true}}, // all cleared in one request
        {QAbstractItemView::ExtendedSelection, {0, 3}, {true}},
        {QAbstractItemView::SingleSelection, {3}, {true}},
        {QAbstractItemView::MultiSelection, {}, {}}, // nothing selected: nothing happens
    };
    for (const Case& c : cases) {
        const auto list = listOfFive(c.mode);
        clickRows(list.get(), c.clicked);
        QList<bool> seen;
        QObject::connect(list.get(), &QListWidget::itemSelectionChanged, list.get(),
                         [&seen] { seen.append(gui::isDeselecting()); });
        gui::Deselect(list.get());
        EXPECT_TRUE(list->selectedItems().isEmpty()) << c.mode;
        EXPECT_EQ(seen, c.flagSeenBySlot) << c.mode;
        EXPECT_FALSE(gui::isDeselecting()) << c.mode;
    }
}

} // namespace
