#include "core/integration/AuxIntegration.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// An ACT! answering what the test scripts, by whole call or by member, and 0 otherwise; every call is logged.
class ScriptedAuxCommands : public act::AuxCommands {
public:
    void script(const std::string& callOrMember, act::Result<int> answer) {
        m_answers.insert_or_assign(callOrMember, std::move(answer));
    }
    Calls calls;

    act::Result<int> AuxCommandExistsInToolbar(int view, const std::string& name) override {
        return answer("AuxCommandExistsInToolbar", view, name);
    }
    act::Result<int> AuxCommandExistsInToolsMenu(int view, const std::string& name) override {
        return answer("AuxCommandExistsInToolsMenu", view, name);
    }
    act::Result<int> AuxCommandExists(const std::string& name) override { return answer("AuxCommandExists", name); }
    act::Result<int> AddAuxCommand(const std::string& name, const std::string& program, const std::string& folder,
                                   const std::string& menuText, const std::string& toolTip, const std::string& icon,
                                   const std::string& largeIcon, int flags) override {
        return answer("AddAuxCommand", name + '|' + program + '|' + folder + '|' + menuText + '|' + toolTip + '|' +
                                           icon + '|' + largeIcon + '|' + std::to_string(flags));
    }
    act::Result<int> AddAuxCommandToToolbar(int view, const std::string& name) override {
        return answer("AddAuxCommandToToolbar", view, name);
    }
    act::Result<int> RemoveAuxCommandFromToolbar(int view, const std::string& name) override {
        return answer("RemoveAuxCommandFromToolbar", view, name);
    }
    act::Result<int> AddAuxCommandToToolsMenu(int view, const std::string& name) override {
        return answer("AddAuxCommandToToolsMenu", view, name);
    }
    act::Result<int> RemoveAuxCommandFromToolsMenu(int view, const std::string& name) override {
        return answer("RemoveAuxCommandFromToolsMenu", view, name);
    }

private:
    act::Result<int> answer(const std::string& member, int view, const std::string& name) {
        return answer(member, std::to_string(view) + ',' + name);
    }
    act::Result<int> answer(const std::string& member, const std::string& arguments) {
        const std::string call = member + '(' + arguments + ')';
        calls.push_back(call);
        for (const std::string& key : {call, member})
            if (const auto found = m_answers.find(key); found != m_answers.end())
                return found->second;
        return 0;
    }

    std::map<std::string, act::Result<int>> m_answers;
};

const act::Error Unreadable{1002, "the state file cannot be read"};

class AuxIntegrationTest : public ::testing::Test {
protected:
    AuxIntegrationTest() { act.script("AuxCommandExists", 1); }

    ScriptedAuxCommands act;
    // The data files lie elsewhere than the executable, as with TALLIVO_PROGRAM_FOLDER.
    core::AuxIntegration integration{
        act, core::auxRegistration(QStringLiteral("Tallivo"), QStringLiteral("Click to launch "),
                                   QStringLiteral("/opt/tallivo/bin/tallivo"), QStringLiteral("/srv/tallivo"))};
};

TEST_F(AuxIntegrationTest, EachBoxAddsOrRemovesItsOwnPlaceAndThenReadsItBack) {
    const std::tuple<int, bool, std::string, std::string> cases[] = {
        {0, true, "AddAuxCommandToToolbar(1,Tallivo)", "AuxCommandExistsInToolbar(1,Tallivo)"},
        {5, false, "RemoveAuxCommandFromToolbar(6,Tallivo)", "AuxCommandExistsInToolbar(6,Tallivo)"},
        {6, true, "AddAuxCommandToToolsMenu(1,Tallivo)", "AuxCommandExistsInToolsMenu(1,Tallivo)"},
        {11, false, "RemoveAuxCommandFromToolsMenu(6,Tallivo)", "AuxCommandExistsInToolsMenu(6,Tallivo)"},
    };
    for (const auto& [box, ticked, change, query] : cases) {
        act.calls.clear();
        act.script(query, ticked ? 1 : 0);
        const core::AuxClick outcome = integration.click(box, ticked);
        EXPECT_EQ(act.calls, (Calls{"AuxCommandExists(Tallivo)", change, query})) << box;
        EXPECT_EQ(outcome.present, ticked) << box;
        EXPECT_FALSE(outcome.error || outcome.registrationRefused) << box;
    }
    EXPECT_TRUE(integration.anyMade());
    EXPECT_FALSE(integration.anyFailed());
}

TEST_F(AuxIntegrationTest, AnUnknownCommandIsRegisteredWithTheRunningExecutableBeforeTheAdd) {
    act.script("AuxCommandExists", 0);
    (void)integration.click(7, true);
    EXPECT_EQ(act.calls, (Calls{"AuxCommandExists(Tallivo)",
                                "AddAuxCommand(Tallivo|/opt/tallivo/bin/tallivo|/srv/tallivo|Tallivo|Click to launch "
                                "Tallivo|/srv/tallivo/tallivo.ico|/srv/tallivo/tallivo32.ico|1)",
                                "AddAuxCommandToToolsMenu(2,Tallivo)", "AuxCommandExistsInToolsMenu(2,Tallivo)"}));
}

TEST_F(AuxIntegrationTest, EveryAnswerSinceOpeningIsKeptAndTheBoxShowsWhatActHasAfterwards) {
    struct Click {
        std::vector<std::pair<std::string, act::Result<int>>> answers;
        bool refused = false; // the registration
        std::optional<long> error;
        std::optional<bool> present;
    };
    struct Case {
        const char* name;
        std::vector<Click> clicks;
        bool anyFailed;
        bool anyMade;
    };
    const Case cases[] = {
        {"registration accepted, add refused",
         {{{{"AuxCommandExists", 0}, {"AddAuxCommandToToolbar", 5}}, false, {}, false}},
         true,
         false},
        {"registration refused", {{{{"AuxCommandExists", 0}, {"AddAuxCommand", 1}}, true, {}, false}}, true, false},
        {"refused, then made",
         {{{{"AddAuxCommandToToolbar", 5}}, false, {}, false},
          {{{"AddAuxCommandToToolbar", 0}, {"AuxCommandExistsInToolbar", 1}}, false, {}, true}},
         true,
         true},
        {"ACT! fails on the question",
         {{{{"AuxCommandExists", Unreadable}, {"AuxCommandExistsInToolbar", Unreadable}}, false, 1002, {}}},
         true,
         false},
    };
    for (const Case& c : cases) {
        ScriptedAuxCommands commands;
        commands.script("AuxCommandExists", 1);
        core::AuxIntegration kept(
            commands, core::auxRegistration(QStringLiteral("Tallivo"), QString(), QString(), QStringLiteral("/p")));
        for (const Click& click : c.clicks) {
            for (const auto& [member, answer] : click.answers)
                commands.script(member, answer);
            const core::AuxClick outcome = kept.click(0, true);
            EXPECT_EQ(outcome.registrationRefused, click.refused) << c.name;
            EXPECT_EQ(outcome.error ? std::optional(outcome.error->number) : std::nullopt, click.error) << c.name;
            EXPECT_EQ(outcome.present, click.present) << c.name;
        }
        EXPECT_EQ(kept.anyFailed(), c.anyFailed) << c.name;
        EXPECT_EQ(kept.anyMade(), c.anyMade) << c.name;
        if (c.clicks.front().refused) {
            EXPECT_EQ(commands.calls.size(), 3u) << "added after a refused registration";
        }
    }
}

TEST_F(AuxIntegrationTest, LoadingReadsTheToolbarsThenTheMenusAndStopsAtTheFirstError) {
    act.script("AuxCommandExistsInToolbar(2,Tallivo)", 1);
    act.script("AuxCommandExistsInToolsMenu(6,Tallivo)", 1);
    const act::Result<core::AuxIntegration::Boxes> boxes = integration.load();
    ASSERT_TRUE(boxes.ok());
    EXPECT_EQ(boxes.value(), (core::AuxIntegration::Boxes{0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(act.calls.front(), "AuxCommandExistsInToolbar(1,Tallivo)");
    EXPECT_EQ(act.calls.back(), "AuxCommandExistsInToolsMenu(6,Tallivo)");

    act.calls.clear();
    act.script("AuxCommandExistsInToolbar(3,Tallivo)", Unreadable);
    ASSERT_FALSE(integration.load().ok());
    EXPECT_EQ(act.calls.size(), 3u);
    EXPECT_FALSE(integration.anyFailed() || integration.anyMade());
}

} // namespace
