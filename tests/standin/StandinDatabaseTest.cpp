#include "StandinTestSupport.h"

#include "standin/StandinApplication.h"
#include "standin/StandinDatabase.h"

using namespace standin_test;
using standin::ErrorCode;

TEST(StandinDatabase, OpenExWithoutAPathOpensTheDatabaseOpenInTheStandin) {
    TempEnvironment env;
    const std::string good = createDatabase(env, u"good.actdb"_s, {"ID0000000001"});
    const std::string corrupt = writeFile(env.path(u"corrupt.actdb"_s), QByteArray(4096, 'x')).toStdString();
    const std::string missing = env.path(u"missing.actdb"_s).toStdString();
    const std::pair<std::map<std::string, std::string>, ErrorCode> cases[] = {
        {{}, ErrorCode::NoDatabaseOpen},
        {{{"running", "0"}, {"database", good}}, ErrorCode::NoDatabaseOpen},
        {{{"running", "1"}, {"database", ""}}, ErrorCode::NoDatabaseOpen},
        {{{"running", "1"}, {"database", missing}}, ErrorCode::DatabaseUnavailable},
        {{{"running", "1"}, {"database", corrupt}}, ErrorCode::DatabaseUnavailable},
    };
    for (const auto& [values, error] : cases) {
        setStandinState(values);
        const act::Status opened = standin::StandinDatabase().OpenEx("");
        EXPECT_EQ(errorOf(opened), code(error)) << (values.empty() ? "" : values.at("database"));
        // The reason names the file that could not be opened.
        EXPECT_TRUE(error != ErrorCode::DatabaseUnavailable ||
                    opened.error().description.find(values.at("database")) != std::string::npos);
    }
    setStandinState({{"running", "1"}, {"database", good}});
    standin::StandinDatabase database;
    ASSERT_TRUE(database.OpenEx("").ok());
    EXPECT_EQ(database.GetDatabasePath().value(), good);
    breakState(env);
    EXPECT_EQ(errorOf(standin::StandinDatabase().OpenEx("")), code(ErrorCode::StateUnreadable));
}

TEST(StandinDatabase, KeepsWorkingOnItsOwnDatabaseWhateverTheStandinDoes) {
    TempEnvironment env;
    const Rows ids = {"ID000000000A", "ID000000000B"};
    const std::string first = createDatabase(env, u"first.actdb"_s, ids);
    setStandinState({{"running", "1"}, {"database", first}});
    auto database = std::make_shared<standin::StandinDatabase>();
    ASSERT_TRUE(database->OpenEx("").ok());
    const auto table = database->Contact().value();
    const auto users = database->Users().value();

    setStandinState({{"database", createDatabase(env, u"second.actdb"_s, {"ID000000000C"})}});
    EXPECT_EQ(walk(*table), ids);
    ASSERT_TRUE(standin::StandinApplication(standin::StateFile(), false).Command(150).ok());
    EXPECT_EQ(walk(*table), ids);
    EXPECT_EQ(database->GetDatabasePath().value(), first);
    // Tables hold the connection they came from, so they outlive the database object.
    database.reset();
    EXPECT_EQ(walk(*table), ids);
    EXPECT_EQ(users->Count().value(), 5);
}

TEST(StandinDatabase, AnswersNoDatabaseOpenBeforeOpenExAndConnectionClosedAfterClose) {
    TempEnvironment env;
    const std::string path = createDatabase(env, u"close.actdb"_s, {"ID0000000001"});
    standin::StandinDatabase database;
    const auto databaseCalls = [&] {
        return std::vector<long>{errorOf(database.Contact()), errorOf(database.PhoneFormatting(2)),
                                 errorOf(database.Close())};
    };
    EXPECT_EQ(databaseCalls(), std::vector<long>(3, code(ErrorCode::NoDatabaseOpen)));
    ASSERT_TRUE(database.OpenEx(path).ok());
    const auto table = database.Contact().value();
    const auto users = database.Users().value();
    const auto fields = table->Fields().value();
    // Users are numbered from 1.
    EXPECT_EQ(users->Name(1).value() + "," + users->UniqueId(5).value(), "Alex Moreau,USR000000005");
    EXPECT_EQ(errorOf(users->Name(0)), code(ErrorCode::OutOfRange));
    EXPECT_EQ(errorOf(users->UniqueId(6)), code(ErrorCode::OutOfRange));
    ASSERT_TRUE(table->MoveFirst().ok());
    const auto tableCalls = [&] {
        return std::vector<long>{errorOf(table->Data(1)), errorOf(users->Count()), errorOf(fields->IdAt(0))};
    };
    ASSERT_TRUE(database.Close().ok());
    EXPECT_EQ(databaseCalls(), std::vector<long>(3, code(ErrorCode::ConnectionClosed)));
    EXPECT_EQ(tableCalls(), std::vector<long>(3, code(ErrorCode::ConnectionClosed)));
    // Opening again gives new tables; the old ones stay closed.
    ASSERT_TRUE(database.OpenEx(path).ok());
    EXPECT_EQ(tableCalls(), std::vector<long>(3, code(ErrorCode::ConnectionClosed)));
    EXPECT_EQ(walk(*database.Contact().value()), Rows{"ID0000000001"});
}

TEST(StandinFieldList, AnswersFromTheDatabasesOwnListByPositionWithTheGapAndById) {
    TempEnvironment env;
    const std::string path = createDatabase(env, u"fields.actdb"_s, {"ID0000000001"});
    standin::ActDatabaseFile::open(path, true)
        ->sql()
        .exec("INSERT INTO fields VALUES(35, 300, 'Loyalty', 5); UPDATE fields SET label = 'Organisation' WHERE id = 2;"
              "UPDATE fields SET label = 'stray', type = 4 WHERE id = -1;"
              "ALTER TABLE contact ADD COLUMN f300 TEXT; UPDATE contact SET f300 = '7'");
    standin::StandinDatabase database;
    ASSERT_TRUE(database.OpenEx(path).ok());
    const auto table = database.Contact().value();
    const auto fields = table->Fields().value();
    EXPECT_EQ(fields->Count().value(), 35);
    const auto text = [](int id, const std::string& label, int type) {
        return std::to_string(id) + "|" + label + "|" + std::to_string(type);
    };
    // Each position's id, label and type, and the same by its id but at the gap.
    const std::pair<int, std::string> positions[] = {
        {0, "1|Record ID|1"}, {1, "2|Organisation|2"},         {5, "6|Record Manager|13"},
        {30, "-1||0"},        {31, "79|Create Date (sort)|7"}, {34, "950|(Empty Column)|1"},
        {35, "300|Loyalty|5"}};
    for (const auto& [position, expected] : positions) {
        const int id = fields->IdAt(position).value();
        EXPECT_EQ(text(id, fields->LabelAt(position).value(), fields->TypeAt(position).value()), expected);
        EXPECT_EQ(id != -1 && fields->Exists(id).value(), id != -1) << id;
        if (id != -1) {
            EXPECT_EQ(text(id, fields->Label(id).value(), fields->Type(id).value()), expected);
        }
    }
    const std::vector<long> outOfRange(3, code(ErrorCode::OutOfRange)), unknown(2, code(ErrorCode::UnknownField));
    for (int position : {-1, 36, 1000})
        EXPECT_EQ((std::vector<long>{errorOf(fields->IdAt(position)), errorOf(fields->LabelAt(position)),
                                     errorOf(fields->TypeAt(position))}),
                  outOfRange);
    for (int id : {-1, 0, 31, 204, 949}) {
        EXPECT_EQ((std::vector<long>{errorOf(fields->Label(id)), errorOf(fields->Type(id))}), unknown) << id;
        EXPECT_FALSE(fields->Exists(id).value()) << id;
    }
    ASSERT_TRUE(table->MoveFirst().ok());
    EXPECT_EQ(table->Data(300).value(), "7");
}
