#include "StandinTestSupport.h"

#include "act/Connection.h"
#include "standin/ClientRegistry.h"
#include "standin/StandinApplication.h"
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
        {"\xEF\xBB\xBF" + all, all}, // the UTF-8 mark is no part of the header
        {"not a lookup\n", QByteArray()},
        {"ACT-STANDIN-LOOKUP 2\nALL\n", QByteArray()},
        {"", QByteArray()},
        {"ACT-STANDIN-LOOKUP 1\nALL\nAAAAAAAAAAAA\n", QByteArray()},
    };
    for (const auto& [current, expected] : cases) {
        SCOPED_TRACE(current.toStdString());
        setStandinState({{"lookup", current.isNull() ? "" : writeFile(env.path(u"now.lku"_s), current).toStdString()}});
        const long error = errorOf(application.SaveCurrentLookup(saved.toStdString()));
        EXPECT_EQ(error, expected.isNull() ? code(ErrorCode::LookupUnreadable) : 0);
        EXPECT_EQ(readBytes(saved), expected.isNull() ? all : expected);
    }
    setStandinState({{"lookup", env.path(u"gone.lku"_s).toStdString()}});
    EXPECT_EQ(errorOf(application.SaveCurrentLookup(saved.toStdString())), code(ErrorCode::LookupUnreadable));
    setStandinState({{"lookup", ""}});
    EXPECT_EQ(errorOf(application.SaveCurrentLookup(env.root().toStdString())), code(ErrorCode::WriteFailed));
    // A disk that fills while the lookup is saved leaves the previous lookup.
    setStandinState(
        {{"lookup",
          writeFile(env.path(u"now.lku"_s), "ACT-STANDIN-LOOKUP 1\n" + QByteArray(4000, 'A')).toStdString()}});
    {
        const testing_support::FileSizeLimit full(1000);
        EXPECT_EQ(errorOf(application.SaveCurrentLookup(saved.toStdString())), code(ErrorCode::WriteFailed));
    }
    EXPECT_EQ(readBytes(saved), all);
}

TEST(StandinApplication, Command150ClosesTheOpenDatabaseAndNothingElse) {
    TempEnvironment env;
    setStandinState({{"running", "1"}, {"database", "/a.actdb"}, {"current", "ID0000000001"}, {"lookup", "/a.lku"}});
    StandinApplication application(StateFile(), false);
    for (int command : {0, 149, 151})
        EXPECT_EQ(errorOf(application.Command(command)), code(ErrorCode::UnknownCommand)) << command;
    EXPECT_EQ(errorOf(application.OpenFile("/a.actdb")), code(ErrorCode::DatabaseUnavailable));
    EXPECT_EQ(standinState("database"), "/a.actdb");
    ASSERT_TRUE(application.Command(150).ok());
    EXPECT_EQ(run({u"status"_s}).out, "running=1\ndatabase=\ncurrent=\nlookup=\nclose_request=0\n");
}

TEST(StandinBackend, ConnectsToTheStandinsDatabaseAndIsAClientOnlyWhileConnectedAndAsked) {
    TempEnvironment env;
    const Rows ids = {"ID0000000002", "ID0000000001"};
    const std::string database = createDatabase(env, u"open.actdb"_s, ids);
    const std::string client = "client." + std::to_string(standin::clients::currentProcessId());
    const std::string program = env.programFolder().toStdString();
    for (bool registerClient : {false, true}) {
        SCOPED_TRACE(registerClient);
        standin::StandinBackend backend({.registerClient = registerClient});
        setStandinState({{"running", "1"}, {"database", ""}, {"close_request", "3"}});
        EXPECT_EQ(errorOf(act::Create_Database(backend, program)), code(ErrorCode::NoDatabaseOpen));
        EXPECT_EQ(standinState(client, "none"), "none");

        setStandinState({{"database", database}});
        act::Result<act::Connection> created = act::Create_Database(backend, program);
        ASSERT_TRUE(created.ok()) << created.error().description;
        act::Connection connection = std::move(created).value();
        EXPECT_EQ(standinState(client, "none"), registerClient ? "3" : "none");
        EXPECT_EQ(walk(*connection.contactTable), ids);
        EXPECT_EQ(readBytes(QString::fromStdString(program + "/" + act::CurrentLookupFileName)),
                  "ACT-STANDIN-LOOKUP 1\nALL\n");
        // The contact view reads the current contact anew on every call.
        for (const std::string id : {"ID0000000001", ""}) {
            setStandinState({{"current", id}});
            EXPECT_EQ(connection.contactView->GetCurrentId().value(), id);
        }
        ASSERT_TRUE(connection.Release().ok());
        EXPECT_EQ(standinState(client, "none"), "none");
    }
}
