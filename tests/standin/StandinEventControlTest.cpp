#include "StandinTestSupport.h"

#include "standin/ClientRegistry.h"
#include "standin/StandinEventControl.h"

#include <QElapsedTimer>
#include <QProcess>
#include <qtestsupport_core.h>

using namespace standin_test;

TEST(StandinEventControl, AnswersTheConnectionQueries) {
    TempEnvironment env;
    standin::StandinEventControl control;
    // No state file: not running, but readable.
    EXPECT_EQ(control.ConnectionState(0).value(), 0);
    EXPECT_FALSE(control.CommunicationFailed().value());
    const std::pair<std::map<std::string, std::string>, int> cases[] = {
        {{{"running", "1"}}, 0}, {{{"database", "/x.actdb"}}, 1}, {{{"running", "0"}}, 0}};
    for (const auto& [values, connected] : cases) {
        setStandinState(values);
        EXPECT_EQ(control.ConnectionState(0).value(), connected) << values.begin()->first;
    }
    breakState(env);
    EXPECT_TRUE(control.CommunicationFailed().value());
    EXPECT_EQ(control.ConnectionState(0).value(), 0);
}

TEST(StandinEventControl, FiresOnceForEachNewRequestWithinASecondOfAQuitFromAnotherProcess) {
    TempEnvironment env;
    setStandinState({{"running", "1"}, {"database", env.path(u"any.actdb"_s).toStdString()}, {"close_request", "7"}});
    ASSERT_TRUE(standin::clients::registerClient(standin::StateFile(), standin::clients::currentProcessId()).ok());
    standin::StandinEventControl control;
    QElapsedTimer sinceQuit;
    std::vector<qint64> fired;
    control.setOnActUserWantsToClose([&] {
        fired.push_back(sinceQuit.elapsed());
        EXPECT_TRUE(control.AcknowledgeClose().ok());
    });
    // Requests made before the control existed are not for it.
    EXPECT_FALSE(QTest::qWaitFor([&] { return !fired.empty(); }, 500));

    QProcess quit;
    sinceQuit.start();
    quit.start(testing_support::binary(u"act-standin"_s), {u"quit"_s});
    ASSERT_TRUE(QTest::qWaitFor([&] { return quit.state() == QProcess::NotRunning; }, 8000));
    EXPECT_EQ(quit.exitCode(), 0) << quit.readAllStandardError().constData();
    ASSERT_EQ(fired.size(), 1u);
    EXPECT_LT(fired[0], 1000);
    // Acknowledged at once, so quit did not sit out its five seconds.
    EXPECT_LT(sinceQuit.elapsed(), 3000);
    EXPECT_EQ(standinState("running") + "," +
                  standinState("client." + std::to_string(standin::clients::currentProcessId())),
              "0,8");

    EXPECT_FALSE(QTest::qWaitFor([&] { return fired.size() > 1; }, 500));
    setStandinState({{"close_request", "9"}});
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired.size() == 2; }, 1000));
}
