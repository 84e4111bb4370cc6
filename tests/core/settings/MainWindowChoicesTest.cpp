#include "core/settings/MainWindowChoices.h"
#include "support/TempEnvironment.h"

#include <gtest/gtest.h>

TEST(MainWindowChoices, UnusableValuesFallBackToTheirDefaultsAndAreReportedInReadingOrder) {
    testing_support::TempEnvironment env;
    core::SettingsStore store;
    const auto set = [&](const char* key, const char* value) {
        ASSERT_TRUE(store.SaveSetting(QStringLiteral("Settings"), QString::fromLatin1(key), QString::fromLatin1(value)));
    };
    set("cboOutput", "2");
    set("ReportsListIndex", "99999999999");
    set("Report0", " -1 ");
    set("Report1", "False");
    set("Report2", "x1");
    set("ManagedBy0", "0");
    set("ManagedBy1", "7");
    set("lstUsers0", "Bob Smith\fBob");
    const core::StoredChoices stored = core::loadMainWindowChoices(store);
    EXPECT_EQ(stored.choices.cboOutput, 0);
    EXPECT_EQ(stored.choices.reportsListIndex, 0);
    EXPECT_EQ(stored.choices.report, (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(stored.choices.managedBy, (std::array<bool, 2>{false, true}));
    EXPECT_EQ(stored.choices.users, (QStringList{QStringLiteral("Bob Smith"), QStringLiteral("Bob")}));
    ASSERT_EQ(stored.problems.size(), 3);
    EXPECT_EQ(stored.problems[0].key, QStringLiteral("cboOutput"));
    EXPECT_EQ(stored.problems[0].errorNumber, 380);
    EXPECT_EQ(stored.problems[1].key, QStringLiteral("ReportsListIndex"));
    EXPECT_EQ(stored.problems[1].errorNumber, 380);
    EXPECT_EQ(stored.problems[2].key, QStringLiteral("Report2"));
    EXPECT_EQ(stored.problems[2].errorNumber, 13);
}

TEST(MainWindowChoices, SavedFormsReadBackTheSame) {
    testing_support::TempEnvironment env;
    core::SettingsStore store;
    core::MainWindowChoices choices;
    choices.cboOutput = 1;
    choices.reportsListIndex = -1;
    choices.report = {false, false, true};
    choices.managedBy = {false, true};
    ASSERT_TRUE(core::saveMainWindowChoices(store, choices));
    EXPECT_EQ(store.GetSetting(QStringLiteral("Settings"), QStringLiteral("Report2")), QStringLiteral("-1"));
    EXPECT_EQ(store.GetSetting(QStringLiteral("Settings"), QStringLiteral("Report0")), QStringLiteral("0"));
    const core::StoredChoices back = core::loadMainWindowChoices(store);
    EXPECT_TRUE(back.problems.isEmpty());
    EXPECT_EQ(back.choices.cboOutput, 1);
    EXPECT_EQ(back.choices.reportsListIndex, -1);
    EXPECT_EQ(back.choices.report, choices.report);
    EXPECT_EQ(back.choices.managedBy, choices.managedBy);
    EXPECT_TRUE(core::splitUserNames(QString()).isEmpty());
}
