#include "standin/ClientRegistry.h"
#include "standin/StandinEventControl.h"
#include "support/TempEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <gtest/gtest.h>

using standin::StateData;
using standin::StateFile;

namespace {

// Runs the event loop until the condition holds or the time is up.
bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

void setState(const std::string& key, const std::string& value) {
    ASSERT_TRUE(StateFile().update([&](StateData& d) { d.set("standin", key, value); }).ok());
}

} // namespace

TEST(StandinEventControl, AnswersTheConnectionQueries) {
    testing_support::TempEnvironment env;
    standin::StandinEventControl control;
    EXPECT_EQ(control.ConnectionState(0).value(), 0); // no state file: not running
    EXPECT_FALSE(control.CommunicationFailed().value());
    setState("running", "1");
    EXPECT_EQ(control.ConnectionState(0).value(), 0); // running, but no database open
    setState("database", "/x.actdb");
    EXPECT_EQ(control.ConnectionState(0).value(), 1);
    setState("running", "0");
    EXPECT_EQ(control.ConnectionState(0).value(), 0);

    QFile::remove(env.stateFile());
    ASSERT_TRUE(QDir().mkpath(env.stateFile()));
    EXPECT_TRUE(control.CommunicationFailed().value());
    EXPECT_EQ(control.ConnectionState(0).value(), 0);
}

TEST(StandinEventControl, FiresOncePerNewRequestAndNeverForEarlierOnes) {
    testing_support::TempEnvironment env;
    setState("close_request", "7");
    standin::StandinEventControl control;
    int fired = 0;
    control.setOnActUserWantsToClose([&] { ++fired; });
    EXPECT_FALSE(waitFor([&] { return fired > 0; }, 500));

    setState("close_request", "8");
    ASSERT_TRUE(waitFor([&] { return fired == 1; }, 1000));
    EXPECT_FALSE(waitFor([&] { return fired > 1; }, 500));
    setState("close_request", "9");
    ASSERT_TRUE(waitFor([&] { return fired == 2; }, 1000));

    ASSERT_TRUE(control.AcknowledgeClose().ok());
    const std::string self = "client." + std::to_string(standin::clients::currentProcessId());
    EXPECT_EQ(StateFile().read().value().value("standin", self), "9");
}

TEST(StandinEventControl, QuitFromAnotherProcessReachesAConnectedProgramWithinASecond) {
    testing_support::TempEnvironment env;
    setState("running", "1");
    setState("database", env.path(QStringLiteral("any.actdb")).toStdString());
    const StateFile state;
    ASSERT_TRUE(standin::clients::registerClient(state, standin::clients::currentProcessId()).ok());
    standin::StandinEventControl control;
    QElapsedTimer sinceQuit;
    qint64 firedAfter = -1;
    control.setOnActUserWantsToClose([&] {
        firedAfter = sinceQuit.elapsed();
        EXPECT_TRUE(control.AcknowledgeClose().ok());
    });

    QProcess quit;
    sinceQuit.start();
    quit.start(testing_support::binary(QStringLiteral("act-standin")), {QStringLiteral("quit")});
    ASSERT_TRUE(quit.waitForStarted());
    ASSERT_TRUE(waitFor([&] { return quit.state() == QProcess::NotRunning; }, 8000));
    EXPECT_EQ(quit.exitCode(), 0) << quit.readAllStandardError().constData();
    ASSERT_GE(firedAfter, 0);
    EXPECT_LT(firedAfter, 1000);
    // Acknowledged at once, so quit did not sit out its five seconds.
    EXPECT_LT(sinceQuit.elapsed(), 3000);
    const StateData after = state.read().value();
    EXPECT_FALSE(after.running());
    EXPECT_EQ(after.closeRequest(), 1);
}
