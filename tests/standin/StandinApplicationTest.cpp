#include "StandinTestSupport.h"

#include "act/Connection.h"
#include "standin/ClientRegistry.h"
#include "standin/StandinApplication.h"
#include "standin/StandinAuxCommands.h"
#include "standin/StandinBackend.h"

using namespace standin_test;
using standin::ErrorCode;
using standin::StandinApplication;
using standin::StateFile;

TEST(StandinApplication, SavesTheLookupThatIsCurrentInTheStandinAndNothingWhenItCannotBeRead) {
    TempEnvironment env;
    StandinApplication application(StateFile(), false);
    const QString saved = env.path(u"saved.lku"_s);
    const QByteArray all = "ACT-STANDIN-LOOKUP 1\nALL\n";
    const std::pair<QByteArray, QByteArray> cases[] = {
        // The current lookup file (none when null), and what is saved (nothing, an error, when null).
        {QByteArray(), all},
        {"ACT-STANDIN-LOOKUP 1\r\nID0000000002\r\n\r\nID0000000001",
         "ACT-STANDIN-LOOKUP 1\nID0000000002\nID0000000001\n"},
        {"ACT-STANDIN-LOOKUP 1\n", "ACT-STANDIN-LOOKUP 1\n"},
        {all, all},
        {"not a lookup\n", QByteArray()},
        {"ACT-STANDIN-LOOKUP 2\nALL\n", QByteArray()},
        {"", QByteArray()},
        {"ACT-STANDIN-LOOKUP 1\nALL\nAAAAAAAAAAAA\n", QByteArray()},
    };
    for (const auto& [current, expected] : cases) {
        SCOPED_TRACE(current.toStdString());
        setState({{"lookup", current.isNull() ? "" : writeFile(env.path(u"now.lku"_s), current).toStdString()}});
        const long error = errorOf(application.SaveCurrentLookup(saved.toStdString()));
        EXPECT_EQ(error, expected.isNull() ? code(ErrorCode::LookupUnreadable) : 0);
        EXPECT_EQ(readFile(saved), expected.isNull() ? all : expected);
    }
    setState({{"lookup", env.path(u"gone.lku"_s).toStdString()}});
    EXPECT_EQ(errorOf(application.SaveCurrentLookup(saved.toStdString())), code(ErrorCode::LookupUnreadable));
    setState({{"lookup", ""}});
    EXPECT_EQ(errorOf(application.SaveCurrentLookup(env.root().toStdString())), code(ErrorCode::WriteFailed));
}

TEST(StandinApplication, Command150ClosesTheOpenDatabaseAndNothingElse) {
    TempEnvironment env;
    setState({{"running", "1"}, {"database", "/a.actdb"}, {"current", "ID0000000001"}, {"lookup", "/a.lku"}});
    StandinApplication application(StateFile(), false);
    for (int command : {0, 149, 151})
        EXPECT_EQ(errorOf(application.Command(command)), code(ErrorCode::UnknownCommand)) << command;
    EXPECT_EQ(errorOf(application.OpenFile("/a.actdb")), code(ErrorCode::DatabaseUnavailable));
    EXPECT_EQ(state("database"), "/a.actdb");
    ASSERT_TRUE(application.Command(150).ok());
    for (const auto& [key, value] :
         std::map<std::string, std::string>{{"running", "1"}, {"database", ""}, {"current", ""}, {"lookup", ""}})
        EXPECT_EQ(state(key), value) << key;
}

TEST(StandinBackend, ConnectsToTheStandinsDatabaseAndIsAClientOnlyWhileConnectedAndAsked) {
    TempEnvironment env;
    const Rows ids = {"ID0000000002", "ID0000000001"};
    const std::string database = createDatabase(env, u"open.actdb"_s, ids);
    const std::string client = "client." + std::to_string(standin::clients::currentProcessId());
    for (bool registerClient : {false, true}) {
        SCOPED_TRACE(registerClient);
        standin::StandinBackend backend({.registerClient = registerClient});
        setState({{"running", "1"}, {"database", ""}, {"close_request", "3"}});
        EXPECT_EQ(errorOf(act::Create_Database(backend, env.programFolder().toStdString())),
                  code(ErrorCode::NoDatabaseOpen));
        EXPECT_EQ(state(client, "none"), "none");

        setState({{"database", database}});
        act::Result<act::Connection> created = act::Create_Database(backend, env.programFolder().toStdString());
        ASSERT_TRUE(created.ok()) << created.error().description;
        act::Connection connection = std::move(created).value();
        EXPECT_EQ(state(client, "none"), registerClient ? "3" : "none");
        EXPECT_EQ(walk(*connection.contactTable), ids);
        EXPECT_EQ(readFile(QDir(env.programFolder()).filePath(QString::fromLatin1(act::CurrentLookupFileName))),
                  "ACT-STANDIN-LOOKUP 1\nALL\n");
        // The contact view reads the current contact anew on every call.
        for (const std::string id : {"ID0000000001", ""}) {
            setState({{"current", id}});
            EXPECT_EQ(connection.contactView->GetCurrentId().value(), id);
        }
        EXPECT_TRUE(backend.CreateAuxCommands() && backend.CreateEventControl());
        ASSERT_TRUE(connection.Release().ok());
        EXPECT_EQ(state(client, "none"), "none");
    }
}

TEST(StandinAuxCommands, RegisterThenPlacePerViewAndRefusingChangesNothing) {
    TempEnvironment env;
    standin::StandinAuxCommands aux;
    EXPECT_EQ(aux.AuxCommandExists("Tallivo").value(), 0);
    EXPECT_NE(aux.AddAuxCommandToToolbar(1, "Tallivo").value(), 0); // not registered yet
    ASSERT_EQ(aux.AddAuxCommand("Tallivo", "/p/t.EXE", "/p", "Tallivo", "Launch Tallivo", "/p/t.ico", "/p/t32.ico", 1)
                  .value(),
              0);
    EXPECT_EQ(StateFile().read().value().value("aux", "command"),
              "Tallivo|/p/t.EXE|/p|Tallivo|Launch Tallivo|/p/t.ico|/p/t32.ico|1");
    EXPECT_EQ(aux.AuxCommandExists("Tallivo").value(), 1);
    EXPECT_EQ(aux.AuxCommandExists("Other").value(), 0);
    EXPECT_EQ(aux.AddAuxCommandToToolbar(2, "Tallivo").value(), 0);
    EXPECT_EQ(aux.AddAuxCommandToToolsMenu(6, "Tallivo").value(), 0);
    for (int view = 1; view <= 6; ++view) {
        EXPECT_EQ(aux.AuxCommandExistsInToolbar(view, "Tallivo").value(), view == 2 ? 1 : 0) << view;
        EXPECT_EQ(aux.AuxCommandExistsInToolsMenu(view, "Tallivo").value(), view == 6 ? 1 : 0) << view;
    }
    EXPECT_EQ(aux.AuxCommandExistsInToolbar(2, "Other").value(), 0);
    EXPECT_FALSE(aux.AddAuxCommandToToolbar(0, "Tallivo").ok());
    EXPECT_FALSE(aux.AuxCommandExistsInToolsMenu(7, "Tallivo").ok());

    // Refusing, the stand-in answers a failure code and changes nothing.
    ASSERT_EQ(run({u"aux"_s, u"--refuse"_s, u"on"_s}).exitCode, 0);
    EXPECT_NE(aux.RemoveAuxCommandFromToolbar(2, "Tallivo").value(), 0);
    EXPECT_NE(aux.AddAuxCommandToToolsMenu(1, "Tallivo").value(), 0);
    ASSERT_EQ(run({u"aux"_s, u"--refuse"_s, u"off"_s}).exitCode, 0);
    EXPECT_EQ(aux.AuxCommandExistsInToolbar(2, "Tallivo").value(), 1);
    EXPECT_EQ(aux.AuxCommandExistsInToolsMenu(1, "Tallivo").value(), 0);
    EXPECT_EQ(aux.RemoveAuxCommandFromToolbar(2, "Tallivo").value(), 0);
    EXPECT_EQ(aux.AuxCommandExistsInToolbar(2, "Tallivo").value(), 0);
}
