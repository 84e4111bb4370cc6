#include "standin/StandinAuxCommands.h"
#include "support/TempEnvironment.h"

#include <gtest/gtest.h>

using standin::StandinAuxCommands;

TEST(StandinAuxCommands, RegisterThenAddAndRemovePerView) {
    testing_support::TempEnvironment env;
    StandinAuxCommands aux;
    EXPECT_EQ(aux.AuxCommandExists("Tallivo").value(), 0);
    // Adding before the command is known fails.
    EXPECT_NE(aux.AddAuxCommandToToolbar(1, "Tallivo").value(), 0);
    ASSERT_EQ(aux.AddAuxCommand("Tallivo", "/p/tallivo.EXE", "/p", "Tallivo", "Click to launch Tallivo",
                                "/p/tallivo.ico", "/p/tallivo32.ico", 1)
                  .value(),
              0);
    EXPECT_EQ(aux.AuxCommandExists("Tallivo").value(), 1);
    EXPECT_EQ(aux.AuxCommandExists("Other").value(), 0);
    EXPECT_EQ(standin::StateFile().read().value().value("aux", "command"),
              "Tallivo|/p/tallivo.EXE|/p|Tallivo|Click to launch Tallivo|/p/tallivo.ico|/p/tallivo32.ico|1");

    EXPECT_EQ(aux.AddAuxCommandToToolbar(2, "Tallivo").value(), 0);
    EXPECT_EQ(aux.AddAuxCommandToToolsMenu(6, "Tallivo").value(), 0);
    for (int view = 1; view <= 6; ++view) {
        EXPECT_EQ(aux.AuxCommandExistsInToolbar(view, "Tallivo").value(), view == 2 ? 1 : 0) << view;
        EXPECT_EQ(aux.AuxCommandExistsInToolsMenu(view, "Tallivo").value(), view == 6 ? 1 : 0) << view;
    }
    EXPECT_EQ(aux.AuxCommandExistsInToolbar(2, "Other").value(), 0);
    EXPECT_EQ(aux.RemoveAuxCommandFromToolbar(2, "Tallivo").value(), 0);
    EXPECT_EQ(aux.AuxCommandExistsInToolbar(2, "Tallivo").value(), 0);
    EXPECT_FALSE(aux.AddAuxCommandToToolbar(0, "Tallivo").ok());
    EXPECT_FALSE(aux.AuxCommandExistsInToolsMenu(7, "Tallivo").ok());
}

TEST(StandinAuxCommands, RefusingAnswersFailureCodesAndChangesNothing) {
    testing_support::TempEnvironment env;
    StandinAuxCommands aux;
    ASSERT_EQ(aux.AddAuxCommand("Tallivo", "a", "b", "c", "d", "e", "f", 1).value(), 0);
    ASSERT_EQ(aux.AddAuxCommandToToolbar(1, "Tallivo").value(), 0);
    ASSERT_TRUE(standin::StateFile().update([](standin::StateData& d) { d.set("aux", "refuse", "1"); }).ok());
    EXPECT_NE(aux.AddAuxCommand("Tallivo", "a", "b", "c", "d", "e", "f", 1).value(), 0);
    EXPECT_NE(aux.RemoveAuxCommandFromToolbar(1, "Tallivo").value(), 0);
    EXPECT_NE(aux.AddAuxCommandToToolsMenu(1, "Tallivo").value(), 0);
    ASSERT_TRUE(standin::StateFile().update([](standin::StateData& d) { d.set("aux", "refuse", "0"); }).ok());
    EXPECT_EQ(aux.AuxCommandExistsInToolbar(1, "Tallivo").value(), 1);
    EXPECT_EQ(aux.AuxCommandExistsInToolsMenu(1, "Tallivo").value(), 0);
}
