#include "core/integration/AuxIntegration.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

using Calls = std::vector<std::string>;
const act::Error Unreadable{1002, "the state file cannot be read"};

// An ACT! answering what the test scripts, by member, and 0 otherwise; every call is logged.
class ScriptedAuxCommands : public act::AuxCommands {
public:
    std::map<std::string, act::Result<int>> answers;
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
        calls.push_back(member + '(' + arguments + ')');
        const auto found = answers.find(member);
        return found == answers.end() ? act::Result<int>(0) : found->second;
    }
};

// The data files lie elsewhere than the executable, as with TALLIVO_PROGRAM_FOLDER.
core::AuxRegistration registration() {
    return core::auxRegistration(QStringLiteral("Tallivo"), QStringLiteral("Click to launch "),
                                 QStringLiteral("/opt/tallivo/bin/tallivo"), QStringLiteral("/srv/tallivo"));
}

TEST(AuxIntegration, EachBoxChangesItsOwnPlaceAndAnUnknownCommandIsRegisteredFirst) {
    const std::tuple<int, bool, std::string> cases[] = {
        {0, true, "AddAuxCommandToToolbar(1,Tallivo)"},
        {5, false, "RemoveAuxCommandFromToolbar(6,Tallivo)"},
        {6, true, "AddAuxCommandToToolsMenu(1,Tallivo)"},
        {11, false, "RemoveAuxCommandFromToolsMenu(6,Tallivo)"},
    };
    for (const auto& [box, ticked, change] : cases) {
        ScriptedAuxCommands act;
        core::AuxIntegration(act, registration()).click(box, ticked);
        const std::string place = box < 6 ? "Toolbar" : "ToolsMenu";
        EXPECT_EQ(act.calls, (Calls{"AuxCommandExists(Tallivo)",
                                    "AddAuxCommand(Tallivo|/opt/tallivo/bin/tallivo|/srv/tallivo|Tallivo|Click to "
                                    "launch Tallivo|/srv/tallivo/tallivo.ico|/srv/tallivo/tallivo32.ico|1)",
                                    change, "AuxCommandExistsIn" + place + change.substr(change.find('('))}));
    }
}

// Close reports every failure since opening and offers a restart after any change made; each box ends as ACT! says.
TEST(AuxIntegration, EveryAnswerSinceOpeningIsKeptAndTheBoxShowsWhatActHasAfterwards) {
    using Answers = std::map<std::string, act::Result<int>>;
    struct Case {
        const char* name;
        std::vector<Answers> clicks; // ACT!'s answers at each tick of box 0
        bool refused;                // the last click's registration
        std::optional<long> error;   // the last click's
        std::optional<bool> present; // after the last click
        bool anyFailed;
        bool anyMade;
    };
    const Case cases[] = {
        {"registration accepted, add refused", {{{"AddAuxCommandToToolbar", 5}}}, false, {}, false, true, false},
        {"registration refused", {{{"AddAuxCommand", 1}}}, true, {}, false, true, false},
        {"refused, then made",
         {{{"AddAuxCommandToToolbar", 5}}, {{"AuxCommandExistsInToolbar", 1}}},
         false,
         {},
         true,
         true,
         true},
        {"ACT! fails on every call",
         {{{"AuxCommandExists", Unreadable}, {"AuxCommandExistsInToolbar", Unreadable}}},
         false,
         1002,
         {},
         true,
         false},
    };
    for (const Case& c : cases) {
        ScriptedAuxCommands act;
        core::AuxIntegration integration(act, registration());
        core::AuxClick outcome;
        for (const Answers& answers : c.clicks) {
            act.answers = answers;
            outcome = integration.click(0, true);
        }
        EXPECT_EQ(outcome.registrationRefused, c.refused) << c.name;
        EXPECT_EQ(outcome.error ? std::optional(outcome.error->number) : std::nullopt, c.error) << c.name;
        EXPECT_EQ(outcome.present, c.present) << c.name;
        EXPECT_EQ(integration.anyFailed(), c.anyFailed) << c.name;
        EXPECT_EQ(integration.anyMade(), c.anyMade) << c.name;
        if (c.refused) {
            EXPECT_EQ(act.calls.size(), 3u) << "added after a refused registration";
        }
    }
}

} // namespace
