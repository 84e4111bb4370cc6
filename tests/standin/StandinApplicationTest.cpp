#include "StandinObjectsTestSupport.h"

#include "standin/ClientRegistry.h"
#include "standin/StandinApplication.h"

#include <QDir>

using namespace objects_test;
using standin::ErrorCode;
using standin::StandinApplication;
using standin::StateFile;

namespace {

std::string stateValue(const std::string& key) {
    return StateFile().read().value().value(standin::StateData::Standin, key, "(none)");
}

const std::string ClientKey = "client." + std::to_string(standin::clients::currentProcessId());

} // namespace

TEST(StandinApplication, SavesTheLookupThatIsCurrentInTheStandin) {
    testing_support::TempEnvironment env;
    StandinApplication application(StateFile(), false);
    const std::string saved = env.path(QStringLiteral("saved.lku")).toStdString();
    const struct {
        const char* current; // lookup file content; nullptr for no lookup
        QByteArray saved;
        long error;
    } cases[] = {
        {nullptr, "ACT-STANDIN-LOOKUP 1\nALL\n", 0},
        {"ACT-STANDIN-LOOKUP 1\r\nID0000000002\r\n\r\nID0000000001\r\n",
         "ACT-STANDIN-LOOKUP 1\nID0000000002\nID0000000001\n", 0},
        {"ACT-STANDIN-LOOKUP 1\n", "ACT-STANDIN-LOOKUP 1\n", 0},
        {"ACT-STANDIN-LOOKUP 1\nALL\n", "ACT-STANDIN-LOOKUP 1\nALL\n", 0},
        {"not a lookup\n", "ACT-STANDIN-LOOKUP 1\nALL\n", code(ErrorCode::LookupUnreadable)},
    };
    for (const auto& c : cases) {
        setState(
            {{"running", "1"}, {"lookup", c.current ? writeFile(env, QStringLiteral("current.lku"), c.current) : ""}});
        EXPECT_EQ(errorOf(application.SaveCurrentLookup(saved)), c.error) << c.current;
        EXPECT_EQ(readFile(saved), c.saved) << c.current;
    }
    setState({{"lookup", env.path(QStringLiteral("gone.lku")).toStdString()}});
    EXPECT_EQ(errorOf(application.SaveCurrentLookup(saved)), code(ErrorCode::LookupUnreadable));
    setState({{"lookup", ""}});
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(saved + ".d")));
    EXPECT_EQ(errorOf(application.SaveCurrentLookup(saved + ".d")), code(ErrorCode::WriteFailed));
}

TEST(StandinApplication, Command150ClosesTheOpenDatabaseAndNothingElse) {
    testing_support::TempEnvironment env;
    setState({{"running", "1"},
              {"database", "/data/a.actdb"},
              {"current", "ID0000000001"},
              {"lookup", "/data/a.lku"},
              {"close_request", "2"}});
    StandinApplication application(StateFile(), false);
    for (int command : {0, 149, 151})
        EXPECT_EQ(errorOf(application.Command(command)), code(ErrorCode::UnknownCommand)) << command;
    EXPECT_EQ(stateValue("database"), "/data/a.actdb");
    ASSERT_TRUE(application.Command(150).ok());
    const std::pair<std::string, std::string> after[] = {
        {"running", "1"}, {"database", ""}, {"current", ""}, {"lookup", ""}, {"close_request", "2"}};
    for (const auto& [key, value] : after)
        EXPECT_EQ(stateValue(key), value) << key;
}

TEST(StandinApplication, RegistersAsAClientFromOpenFileUntilDestroyedWhenAsked) {
    testing_support::TempEnvironment env;
    setState({{"running", "1"}, {"close_request", "3"}});
    for (bool registerClient : {false, true}) {
        {
            StandinApplication application(StateFile(), registerClient);
            EXPECT_EQ(stateValue(ClientKey), "(none)");
            EXPECT_EQ(errorOf(application.OpenFile("/data/other.actdb")), code(ErrorCode::DatabaseUnavailable));
            ASSERT_TRUE(application.OpenFile("").ok());
            EXPECT_EQ(stateValue(ClientKey), registerClient ? "3" : "(none)");
        }
        EXPECT_EQ(stateValue(ClientKey), "(none)") << registerClient;
    }
}
