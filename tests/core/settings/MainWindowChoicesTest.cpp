#include "core/settings/MainWindowChoices.h"
#include "support/TempEnvironment.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(MainWindowChoices, UnusableValuesFallBackToTheirDefaultsAndAreReportedInReadingOrder) {
    testing_support::TempEnvironment env;
    core::SettingsStore store;
    const char* stored[][2] = {{"cboOutput", "2"},  {"ReportsListIndex", "99999999999"},
                               {"Report0", " -1 "}, {"Report1", "False"},
                               {"Report2", "x1"},   {"ManagedBy0", "0"},
                               {"ManagedBy1", "7"}, {"lstUsers0", "Bob Smith\fBob"}};
    for (const auto& [key, value] : stored)
        ASSERT_TRUE(store.SaveSetting(u"Settings"_s, QString::fromLatin1(key), QString::fromLatin1(value)));
    const core::StoredChoices loaded = core::loadMainWindowChoices(store);
    EXPECT_EQ(std::pair(loaded.choices.cboOutput, loaded.choices.reportsListIndex), std::pair(0, 0));
    EXPECT_EQ(loaded.choices.report, (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(loaded.choices.managedBy, (std::array<bool, 2>{false, true}));
    EXPECT_EQ(loaded.choices.users, (QStringList{u"Bob Smith"_s, u"Bob"_s}));
    QStringList problems;
    for (const core::ChoiceProblem& problem : loaded.problems)
        problems.append(problem.key + QLatin1Char(' ') + QString::number(problem.errorNumber));
    EXPECT_EQ(problems, (QStringList{u"cboOutput 380"_s, u"ReportsListIndex 380"_s, u"Report2 13"_s}));
}
