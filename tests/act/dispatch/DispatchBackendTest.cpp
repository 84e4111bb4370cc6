#include "act/dispatch/DispatchBackend.h"
#include "act/Connection.h"
#include "support/act/ScriptedDispatcher.h"

#include <gtest/gtest.h>

namespace {

using act::dispatch::Missing;
using testing_support::ScriptedDispatcher;
using Value = ScriptedDispatcher::Value;

std::string outcome(const act::Error& e) {
    return "error " + std::to_string(e.number) + " " + e.description;
}
template <typename T> std::string outcome(const act::Result<T>& r) {
    if (!r)
        return outcome(r.error());
    if constexpr (std::is_same_v<T, std::string>)
        return r.value();
    else
        return std::to_string(r.value());
}

struct Acting : testing::Test {
    std::shared_ptr<ScriptedDispatcher> act = std::make_shared<ScriptedDispatcher>();
    act::dispatch::DispatchBackend backend{act};

    std::vector<std::string> calls() const { return act->log->calls; }
};

TEST_F(Acting, AnswersAreReadAsLateBindingReadsThemAndOddOnesAreRefused) {
    act->scriptConnection();
    act::Connection connection = act::Create_Database(backend, "/prog").value();
    act::ContactTable& table = *connection.contactTable;
    act::FieldList& fields = *connection.fieldList;
    const std::string mismatch = "error 13 ";
    const struct {
        const char* member;
        Value answer;
        std::function<std::string()> ask;
        std::string expected;
    } cases[] = {
        {"ACTOLE.APPOBJECT.Views", std::string("views"),
         [&] { return outcome(connection.application->Views().error()); },
         mismatch + "Views: ACT! answered \"views\" where an object was expected"},
        {"Contact.Data", Missing(), [&] { return outcome(table.Data(16)); }, ""},
        {"Contact.Data", 1234.5, [&] { return outcome(table.Data(24)); }, "1234.5"},
        {"Contact.Data", true, [&] { return outcome(table.Data(203)); }, "True"},
        {"Contact.Data", std::string("Zoë Ørsted"), [&] { return outcome(table.Data(3)); }, "Zoë Ørsted"},
        {"Contact.Data", act->object("odd"), [&] { return outcome(table.Data(3)); },
         mismatch + "Data: ACT! answered an object where text was expected"},
        {"Contact.IsEOF", std::int32_t(-1), [&] { return outcome(table.IsEOF()); }, "1"},
        {"Contact.IsEOF", std::string("False"), [&] { return outcome(table.IsEOF()); }, "0"},
        {"Contact.IsEOF", Missing(), [&] { return outcome(table.IsEOF()); },
         mismatch + "IsEOF: ACT! answered no value where True or False was expected"},
        {"fields.Count", 34.0, [&] { return outcome(fields.Count()); }, "34"},
        {"fields.Count", std::string(" 34 "), [&] { return outcome(fields.Count()); }, "34"},
        {"fields.Count", 2.5, [&] { return outcome(fields.Count()); },
         mismatch + "Count: ACT! answered 2.5 where a whole number was expected"},
        {"fields.Count", 3e10, [&] { return outcome(fields.Count()); },
         mismatch + "Count: ACT! answered 30000000000 where a whole number was expected"},
        {"fields.Count", std::string("34 fields"), [&] { return outcome(fields.Count()); },
         mismatch + "Count: ACT! answered \"34 fields\" where a whole number was expected"},
        {"fields.Count", Missing(), [&] { return outcome(fields.Count()); },
         mismatch + "Count: ACT! answered no value where a whole number was expected"},
        {"fields.Id", std::int32_t(-1), [&] { return outcome(fields.IdAt(30)); }, "-1"},
        {"Users.Count", std::int32_t(0), [&] { return outcome(connection.usersTable->Count()); }, "0"},
        {"fields.Id", std::int32_t(7), [&] { return outcome(fields.Exists(7)); }, "1"},
        {"fields.Id", std::int32_t(-1), [&] { return outcome(fields.Exists(7)); }, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.member) + " -> " + c.expected);
        act->answer(c.member, {c.answer});
        EXPECT_EQ(c.ask(), c.expected);
    }
}

TEST_F(Acting, MembersPassTheirArgumentsAsACTTakesThem) {
    act->scriptConnection();
    act::Connection connection = act::Create_Database(backend, "/prog").value();
    act->log->calls.clear();
    act::ContactTable& table = *connection.contactTable;
    act->answer("Contact.GoTo", {act::Error{-2147352567, "Record not found"}});
    EXPECT_EQ(outcome(table.GoTo("82CGPPEXQ916").error()), "error -2147352567 GoTo: Record not found");
    (void)table.LoadLookupQuery("/prog/temp.lku");
    (void)table.LookupAll();
    (void)connection.fieldList->LabelAt(4);
    (void)connection.fieldList->Label(4);
    (void)connection.fieldList->Type(26);
    (void)connection.usersTable->Name(1);
    (void)connection.usersTable->UniqueId(5);
    (void)connection.contactView->GetCurrentId();
    (void)connection.database->GetDatabasePath();
    (void)connection.application->Command(150);
    const auto aux = backend.CreateAuxCommands();
    (void)aux->AddAuxCommand("Tallivo", "C:\\T\\Tallivo.EXE", "C:\\T", "Tallivo", "Click to launch Tallivo",
                             "C:\\T\\Tallivo.ico", "C:\\T\\Tallivo32.ico", 1);
    (void)aux->RemoveAuxCommandFromToolsMenu(6, "Tallivo");
    EXPECT_EQ(calls(), (std::vector<std::string>{
                           "Contact.GoTo(\"82CGPPEXQ916\")", "Contact.LoadLookupQuery(\"/prog/temp.lku\")",
                           "fields.Label(4)", "fields.Label(\"4\")", "fields.Type(\"26\")", "Users.Name(1)",
                           "Users.UniqueId(5)", "contact view.GetCurrentId()", "ACTOLE.DATABASE.GetDatabasePath()",
                           "ACTOLE.APPOBJECT.Command(150)", "new ACTOLE.AUXCMDS",
                           "ACTOLE.AUXCMDS.AddAuxCommand(\"Tallivo\",\"C:\\T\\Tallivo.EXE\",\"C:\\T\",\"Tallivo\","
                           "\"Click to launch Tallivo\",\"C:\\T\\Tallivo.ico\",\"C:\\T\\Tallivo32.ico\",1)",
                           "ACTOLE.AUXCMDS.RemoveAuxCommandFromToolsMenu(6,\"Tallivo\")"}));
}

TEST_F(Acting, TheEventControlListensFromTheStartAndCannotRunDeaf) {
    act->answer("ACTEVENTLib.ActEvent.1", {Value(std::int32_t(1))});
    act->answer("ACTEVENTLib.ActEvent.3", {Value(false)});
    {
        const auto control = backend.CreateEventControl();
        int closes = 0;
        control->setOnActUserWantsToClose([&] { ++closes; });
        EXPECT_TRUE(act->fire("ACTEVENTLib.ActEvent.OnActUserWantsToClose"));
        EXPECT_EQ(closes, 1);
        EXPECT_EQ(outcome(control->ConnectionState(0)), "1");
        EXPECT_EQ(outcome(control->CommunicationFailed()), "0");
        EXPECT_TRUE(control->AcknowledgeClose().ok());
    }
    EXPECT_FALSE(act->fire("ACTEVENTLib.ActEvent.OnActUserWantsToClose"));
    EXPECT_EQ(calls(), (std::vector<std::string>{
                           "new ACTEVENTLib.ActEvent", "ACTEVENTLib.ActEvent.OnActUserWantsToClose()",
                           "ACTEVENTLib.ActEvent.1(0)", "ACTEVENTLib.ActEvent.3()", "ACTEVENTLib.ActEvent.2()"}));

    for (const char* refused : {"new ACTEVENTLib.ActEvent", "ACTEVENTLib.ActEvent.OnActUserWantsToClose"}) {
        act->answer(refused, {act::Error{-2147220992, "refused"}});
        const auto deaf = backend.CreateEventControl();
        act->log->calls.clear();
        EXPECT_FALSE(deaf->ConnectionState(0).ok());
        EXPECT_FALSE(deaf->CommunicationFailed().ok());
        EXPECT_FALSE(deaf->AcknowledgeClose().ok());
        EXPECT_EQ(calls(), std::vector<std::string>());
    }
}

} // namespace
