#include "StandinObjectsTestSupport.h"

#include "act/Connection.h"
#include "standin/ClientRegistry.h"
#include "standin/StandinBackend.h"

#include <QDir>

using namespace objects_test;
using standin::ErrorCode;

namespace {

bool registered() {
    const std::string key = "client." + std::to_string(standin::clients::currentProcessId());
    return !standin::StateFile().read().value().value(standin::StateData::Standin, key).empty();
}

} // namespace

TEST(StandinBackend, ConnectsToTheDatabaseOpenInTheStandin) {
    testing_support::TempEnvironment env;
    const std::vector<std::string> ids = {"ID0000000002", "ID0000000001"};
    setState({{"running", "1"}, {"database", createDatabase(env, QStringLiteral("open.actdb"), ids)}});
    standin::StandinBackend backend({.registerClient = true});
    act::Result<act::Connection> created = act::Create_Database(backend, env.programFolder().toStdString());
    ASSERT_TRUE(created.ok()) << created.error().description;
    act::Connection connection = std::move(created).value();
    EXPECT_TRUE(registered());
    EXPECT_EQ(walk(*connection.contactTable), ids);
    EXPECT_EQ(
        readFile(QDir(env.programFolder()).filePath(QString::fromLatin1(act::CurrentLookupFileName)).toStdString()),
        "ACT-STANDIN-LOOKUP 1\nALL\n");
    EXPECT_TRUE(backend.CreateAuxCommands());
    EXPECT_TRUE(backend.CreateEventControl());
    ASSERT_TRUE(connection.Release().ok());
    EXPECT_FALSE(registered());
}

TEST(StandinBackend, AFailedConnectionLeavesNoClientBehind) {
    testing_support::TempEnvironment env;
    setState({{"running", "1"}, {"database", ""}});
    standin::StandinBackend backend({.registerClient = true});
    const act::Result<act::Connection> created = act::Create_Database(backend, env.programFolder().toStdString());
    EXPECT_EQ(errorOf(created), code(ErrorCode::NoDatabaseOpen));
    EXPECT_FALSE(registered());
}
