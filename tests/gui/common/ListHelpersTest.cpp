#include "support/gui/WidgetTest.h"

#include "act/UsersTable.h"
#include "gui/common/ListHelpers.h"
#include "gui/common/ListState.h"

#include <QTest>

#include <array>

using namespace Qt::StringLiterals;
using testing_support::texts;

namespace {

const act::Error Closed{1009, "the connection to ACT! is closed"};

// Users Ann, Bob and Cy; Count (failing 0) or the Name of one user fails as a closed connection does.
class FakeUsersTable : public act::UsersTable {
public:
    explicit FakeUsersTable(int failing) : m_failing(failing) {}

    act::Result<int> Count() override { return m_failing == 0 ? act::Result<int>(Closed) : act::Result<int>(3); }
    act::Result<std::string> Name(int number) override {
        if (number == m_failing || number < 1 || number > 3)
            return Closed;
        return std::string(std::array{"Ann", "Bob", "Cy"}[static_cast<std::size_t>(number - 1)]);
    }
    act::Result<std::string> UniqueId(int number) override { return "U" + std::to_string(number); }

private:
    int m_failing;
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
        FakeUsersTable users(failing);
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
    const std::pair<QAbstractItemView::SelectionMode, QList<int>> cases[] = {
        {QAbstractItemView::MultiSelection, {1, 2, 4}},
        {QAbstractItemView::ExtendedSelection, {0, 3}},
        {QAbstractItemView::SingleSelection, {3}},
        {QAbstractItemView::MultiSelection, {}}, // nothing selected: nothing happens
    };
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

} // namespace
