#include "StandinObjectsTestSupport.h"

#include "standin/StandinApplication.h"
#include "standin/StandinDatabase.h"

#include <QDir>

using namespace objects_test;
using standin::ErrorCode;

TEST(StandinDatabase, OpenExWithoutAPathOpensTheDatabaseOpenInTheStandin) {
    testing_support::TempEnvironment env;
    const std::string good = createDatabase(env, QStringLiteral("good.actdb"), {"ID0000000001"});
    const std::string corrupt = writeFile(env, QStringLiteral("corrupt.actdb"), QByteArray(4096, 'x'));
    const std::string missing = env.path(QStringLiteral("missing.actdb")).toStdString();
    const struct {
        std::map<std::string, std::string> state;
        long error;
    } cases[] = {
        {{}, code(ErrorCode::NoDatabaseOpen)},
        {{{"running", "0"}, {"database", good}}, code(ErrorCode::NoDatabaseOpen)},
        {{{"running", "1"}, {"database", ""}}, code(ErrorCode::NoDatabaseOpen)},
        {{{"running", "1"}, {"database", missing}}, code(ErrorCode::DatabaseUnavailable)},
        {{{"running", "1"}, {"database", corrupt}}, code(ErrorCode::DatabaseUnavailable)},
        {{{"running", "1"}, {"database", good}}, 0},
    };
    for (const auto& c : cases) {
        setState(c.state);
        standin::StandinDatabase database;
        const act::Status opened = database.OpenEx("");
        ASSERT_EQ(errorOf(opened), c.error) << (opened.ok() ? "" : opened.error().description);
        if (c.error == 0) {
            EXPECT_EQ(database.GetDatabasePath().value(), good);
        } else if (c.error == code(ErrorCode::DatabaseUnavailable)) {
            EXPECT_NE(opened.error().description.find(c.state.at("database")), std::string::npos);
        }
    }
    ASSERT_TRUE(QFile::remove(env.stateFile()) && QDir().mkpath(env.stateFile()));
    EXPECT_EQ(errorOf(standin::StandinDatabase().OpenEx("")), code(ErrorCode::StateUnreadable));
}

TEST(StandinDatabase, KeepsWorkingOnItsOwnDatabaseWhateverTheStandinDoes) {
    testing_support::TempEnvironment env;
    const std::vector<std::string> ids = {"ID000000000A", "ID000000000B"};
    const std::string first = createDatabase(env, QStringLiteral("first.actdb"), ids);
    const std::string second = createDatabase(env, QStringLiteral("second.actdb"), {"ID000000000C"});
    setState({{"running", "1"}, {"database", first}});
    auto database = std::make_shared<standin::StandinDatabase>();
    ASSERT_TRUE(database->OpenEx("").ok());
    const auto table = database->Contact().value();
    const auto users = database->Users().value();
    ASSERT_TRUE(table->GoTo("ID000000000B").ok());

    setState({{"database", second}});
    EXPECT_EQ(walk(*table), ids);
    ASSERT_TRUE(standin::StandinApplication(standin::StateFile(), false).Command(150).ok());
    EXPECT_EQ(walk(*table), ids);
    EXPECT_EQ(database->GetDatabasePath().value(), first);
    EXPECT_EQ(errorOf(standin::StandinDatabase().OpenEx("")), code(ErrorCode::NoDatabaseOpen));
    // Tables hold the connection they came from, so they outlive the database object.
    database.reset();
    EXPECT_EQ(walk(*table), ids);
    EXPECT_EQ(users->Count().value(), 5);
}

TEST(StandinDatabase, OpenExWithAPathOpensThatFileByItsAbsolutePath) {
    testing_support::TempEnvironment env;
    const std::string path = createDatabase(env, QStringLiteral("named.actdb"), {});
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(env.path(QStringLiteral("program"))));
    standin::StandinDatabase database;
    const act::Status opened = database.OpenEx("../program/../named.actdb");
    QDir::setCurrent(previous);
    ASSERT_TRUE(opened.ok()) << opened.error().description;
    EXPECT_EQ(database.GetDatabasePath().value(), path);
}

TEST(StandinDatabase, AnswersNoDatabaseOpenBeforeOpenExAndConnectionClosedAfterClose) {
    testing_support::TempEnvironment env;
    const std::string path = createDatabase(env, QStringLiteral("close.actdb"), {"ID0000000001"});
    standin::StandinDatabase database;
    const auto databaseCalls = [&] {
        return std::vector<long>{errorOf(database.ListTable()),      errorOf(database.Contact()),
                                 errorOf(database.Users()),          errorOf(database.Sales()),
                                 errorOf(database.Group()),          errorOf(database.PhoneFormatting(2)),
                                 errorOf(database.GetDatabasePath())};
    };
    EXPECT_EQ(databaseCalls(), std::vector<long>(7, code(ErrorCode::NoDatabaseOpen)));
    EXPECT_EQ(errorOf(database.Close()), code(ErrorCode::NoDatabaseOpen));

    ASSERT_TRUE(database.OpenEx(path).ok());
    EXPECT_EQ(databaseCalls(), std::vector<long>(7, 0));
    for (int mode : {-1, 0, 1, 99})
        EXPECT_TRUE(database.PhoneFormatting(mode).ok()) << mode;
    const auto table = database.Contact().value();
    const auto users = database.Users().value();
    const auto fields = table->Fields().value();
    ASSERT_TRUE(table->MoveFirst().ok());
    const auto tableCalls = [&] {
        return std::vector<long>{errorOf(table->MoveFirst()),
                                 errorOf(table->MoveNext()),
                                 errorOf(table->IsEOF()),
                                 errorOf(table->GoTo("ID0000000001")),
                                 errorOf(table->Data(1)),
                                 errorOf(table->LookupAll()),
                                 errorOf(table->LoadLookupQuery("")),
                                 errorOf(table->Fields()),
                                 errorOf(users->Count()),
                                 errorOf(users->Name(1)),
                                 errorOf(fields->Count()),
                                 errorOf(fields->IdAt(0)),
                                 errorOf(fields->Exists(1))};
    };

    ASSERT_TRUE(database.Close().ok());
    EXPECT_EQ(databaseCalls(), std::vector<long>(7, code(ErrorCode::ConnectionClosed)));
    EXPECT_EQ(errorOf(database.Close()), code(ErrorCode::ConnectionClosed));
    EXPECT_EQ(tableCalls(), std::vector<long>(13, code(ErrorCode::ConnectionClosed)));
    // Opening again gives new tables; the old ones stay closed.
    ASSERT_TRUE(database.OpenEx(path).ok());
    EXPECT_EQ(tableCalls(), std::vector<long>(13, code(ErrorCode::ConnectionClosed)));
    EXPECT_EQ(walk(*database.Contact().value()), std::vector<std::string>{"ID0000000001"});
}
