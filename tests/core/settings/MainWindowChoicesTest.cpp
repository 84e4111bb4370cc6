#include "core/settings/MainWindowChoices.h"
#include "support/TempEnvironment.h"

#include <gtest/gtest.h>

TEST(MainWindowChoices, UnusableValuesFallBackToTheirDefaultsAndAreReportedInReadingOrder) {
    testing_support::TempEnvironment env;
    core::SettingsStore store;
    const auto set = [&](const char* key, const char* value) {
        ASSERT_TRUE(
            store.SaveSetting(QStringLiteral("Settings"), QString::fromLatin1(key), QString::fromLatin1(value)));
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
    QStringList problems;
    for (const core::ChoiceProblem& problem : stored.problems)
        problems.append(problem.key + QLatin1Char(' ') + QString::number(problem.errorNumber));
    EXPECT_EQ(problems, (QStringList{QStringLiteral("cboOutput 380"), QStringLiteral("ReportsListIndex 380"),
                                     QStringLiteral("Report2 13")}));
}
