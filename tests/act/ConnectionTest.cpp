#include "act/Connection.h"
#include "act/dispatch/DispatchBackend.h"
#include "support/act/ScriptedDispatcher.h"

#include <gtest/gtest.h>

namespace {

using testing_support::ScriptedDispatcher;

TEST(CreateDatabase, BuildsInOrderAndOnAFailureStopsAndReleasesEveryObjectItMade) {
    const std::vector<std::string> order = {"new ACTOLE.APPOBJECT",
                                            "ACTOLE.APPOBJECT.OpenFile(\"\")",
                                            "ACTOLE.APPOBJECT.Views()",
                                            "views.Create(1,\"\")",
                                            "new ACTOLE.DATABASE",
                                            "ACTOLE.DATABASE.OpenEx(\"\")",
                                            "ACTOLE.DATABASE.ListTable()",
                                            "ACTOLE.DATABASE.Contact()",
                                            "ACTOLE.DATABASE.Users()",
                                            "ACTOLE.DATABASE.Sales()",
                                            "Contact.Fields()",
                                            "ACTOLE.DATABASE.Group()",
                                            "ACTOLE.DATABASE.PhoneFormatting(2)",
                                            "ACTOLE.APPOBJECT.SaveCurrentLookup(\"/prog/~currentLU.lku\")"};
    std::vector<std::string> failures = {""}; // nothing fails
    failures.insert(failures.end(), order.begin(), order.end());
    for (const std::string& failAt : failures) {
        SCOPED_TRACE(failAt);
        const auto act = std::make_shared<ScriptedDispatcher>();
        act->scriptConnection();
        const std::string member = failAt.substr(0, failAt.find('('));
        act->answer(member, {act::Error{440, "refused"}});
        act::dispatch::DispatchBackend backend(act);
        {
            act::Result<act::Connection> made = act::Create_Database(backend, "/prog");
            const std::string named = member.substr(member.rfind(member.rfind("new ", 0) == 0 ? ' ' : '.') + 1);
            EXPECT_EQ(made.ok() ? "" : std::to_string(made.error().number) + " " + made.error().description,
                      failAt.empty() ? "" : "440 " + named + ": refused");
            if (made.ok()) {
                EXPECT_TRUE(act::Connection(std::move(made).value()).Release().ok());
            }
        }
        // Nothing after the failing call runs, except closing a database object that was made.
        const auto failed = std::find(order.begin(), order.end(), failAt);
        std::vector<std::string> expected(order.begin(), failed == order.end() ? failed : failed + 1);
        if (expected.size() > 5)
            expected.push_back("ACTOLE.DATABASE.Close()");
        EXPECT_EQ(act->log->calls, expected);
        act->log->script.clear();
        EXPECT_EQ(act->log->alive, 0);
    }
}

} // namespace
