#include "support/act/ScriptedDispatcher.h"
#include "support/standin/StandinRunFixture.h"

#include "act/dispatch/DispatchBackend.h"
#include "core/run/select/ContactSelection.h"

namespace {

using core::Scope;
using testing_support::ScriptedDispatcher;
using Calls = std::vector<std::string>;

ScriptedDispatcher::Answer says(ScriptedDispatcher::Value value) {
    return value;
}

// A run's selection over ACT!'s own objects: what it asks of ACT!, in order, and what it makes of the answers.
TEST(SelectionThroughAutomation, AsksACTForTheScopesContactsAndStopsAtItsFirstError) {
    const std::string lookup = "/prog/temp.lku";
    const struct {
        const char* what;
        Scope scope;
        std::map<std::string, std::vector<ScriptedDispatcher::Answer>> script;
        std::vector<std::string> recordIds;
        std::string error;
        Calls calls;
    } cases[] = {
        {"the lookup's contacts managed by user 2",
         Scope::CurrentLookup,
         {{"Users.UniqueId", {says(std::string("U2"))}},
          {"Contact.IsEOF", {says(false), says(false), says(true)}},
          {"Contact.Data", {says(std::string("U2")), says(std::string("R1")), says(std::string("U1"))}}},
         {"R1"},
         "",
         {"Users.UniqueId(2)", "ACTOLE.APPOBJECT.SaveCurrentLookup(\"" + lookup + "\")",
          "Contact.LoadLookupQuery(\"" + lookup + "\")", "Contact.MoveFirst()", "Contact.IsEOF()", "Contact.Data(6)",
          "Contact.Data(1)", "Contact.MoveNext()", "Contact.IsEOF()", "Contact.Data(6)", "Contact.MoveNext()",
          "Contact.IsEOF()"}},
        {"a current contact ACT! cannot go to",
         Scope::CurrentContact,
         {{"Users.UniqueId", {says(std::string("U2"))}},
          {"contact view.GetCurrentId", {says(std::string("R9"))}},
          {"Contact.GoTo", {act::Error{-2147352567, "Record not found"}}}},
         {},
         "GoTo: Record not found",
         {"Users.UniqueId(2)", "contact view.GetCurrentId()", "Contact.GoTo(\"R9\")"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto act = std::make_shared<ScriptedDispatcher>();
        act->scriptConnection();
        act::dispatch::DispatchBackend backend(act);
        const act::Connection connection = act::Create_Database(backend, "/prog").value();
        for (const auto& [member, answers] : c.script)
            act->answer(member, answers);
        act->log->calls.clear();
        testing_support::RecordingProgress progress;
        const core::SelectionOutcome outcome =
            core::Sales_Filter_Dispatch(connection, {c.scope, true, {2}, QStringLiteral("/prog")}, progress);
        EXPECT_EQ(outcome.recordIds, c.recordIds);
        EXPECT_EQ(outcome.error ? outcome.error->description.toStdString() : "", c.error);
        EXPECT_EQ(act->log->calls, c.calls);
    }
}

} // namespace
