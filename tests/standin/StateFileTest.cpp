#include "standin/ClientRegistry.h"
#include "standin/LookupFile.h"
#include "standin/StateFile.h"
#include "support/TempEnvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include <thread>

using standin::StateData;
using standin::StateFile;

namespace {

void writeRaw(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readRaw(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(StateFile, FollowsTheEnvironmentAndReadsAMissingFileAsEmptyState) {
    testing_support::TempEnvironment env;
    EXPECT_EQ(StateFile::defaultPath(), env.stateFile());
    auto state = StateFile().read();
    ASSERT_TRUE(state.ok());
    EXPECT_FALSE(state.value().running());
    EXPECT_EQ(state.value().closeRequest(), 0);
}

TEST(StateFile, UpdateRoundTripsAndKeepsOtherKeys) {
    testing_support::TempEnvironment env;
    writeRaw(env.stateFile(), "[standin]\r\nrunning=1\r\n\r\ndatabase=/a b/c=d.actdb\n[aux]\nrefuse=0\n");
    ASSERT_TRUE(StateFile().update([](StateData& d) { d.set("standin", "current", "ABCDEFGHIJKL"); }).ok());
    const StateData d = StateFile().read().value();
    EXPECT_TRUE(d.running());
    EXPECT_EQ(d.database(), "/a b/c=d.actdb");
    EXPECT_EQ(d.current(), "ABCDEFGHIJKL");
    EXPECT_EQ(d.value("aux", "refuse"), "0");
    EXPECT_TRUE(QFile::exists(env.stateFile() + QStringLiteral(".lock")));
}

TEST(StateFile, UnreadableFormsAreErrorsAndUpdatesChangeNothing) {
    struct Case {
        const char* name;
        QByteArray content; // empty: a folder stands where the file should be
    };
    const Case cases[] = {
        {"a folder in its place", QByteArray()},
        {"a line that is not key=value", "[standin]\nrunning=1\ngarbage\n"},
        {"a key before any section", "running=1\n"},
        {"an empty key", "[standin]\n=1\n"},
    };
    for (const Case& c : cases) {
        testing_support::TempEnvironment env;
        if (c.content.isEmpty())
            ASSERT_TRUE(QDir().mkpath(env.stateFile()));
        else
            writeRaw(env.stateFile(), c.content);
        auto state = StateFile().read();
        ASSERT_FALSE(state.ok()) << c.name;
        EXPECT_NE(state.error().description.find("state"), std::string::npos) << c.name;
        EXPECT_FALSE(StateFile().update([](StateData& d) { d.set("standin", "running", "0"); }).ok()) << c.name;
        if (!c.content.isEmpty()) {
            EXPECT_EQ(readRaw(env.stateFile()), c.content) << c.name;
        }
    }
}

TEST(StateFile, ConcurrentUpdatesFromTwoProcessesLoseNothing) {
    testing_support::TempEnvironment env;
    // Another process hammers the counter through the tool while this one does too.
    constexpr int Rounds = 40;
    QProcess other;
    other.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("for i in $(seq %1); do \"%2\" aux --refuse on >/dev/null || exit 1; "
                                                      "done")
                                           .arg(Rounds)
                                           .arg(testing_support::binary(QStringLiteral("act-standin")))});
    ASSERT_TRUE(other.waitForStarted());
    for (int i = 0; i < Rounds; ++i)
        ASSERT_TRUE(StateFile().update([](StateData& d) {
            d.set("standin", "close_request", std::to_string(d.closeRequest() + 1));
        }).ok());
    ASSERT_TRUE(other.waitForFinished(60000));
    EXPECT_EQ(other.exitCode(), 0);
    EXPECT_EQ(StateFile().read().value().closeRequest(), Rounds);
    EXPECT_EQ(StateFile().read().value().value("aux", "refuse"), "1");
}

TEST(ClientRegistry, OnlyLiveClientsMustAcknowledge) {
    testing_support::TempEnvironment env;
    const StateFile state;
    const long long self = standin::clients::currentProcessId();
    ASSERT_TRUE(state.update([](StateData& d) { d.set("standin", "close_request", "3"); }).ok());
    ASSERT_TRUE(standin::clients::registerClient(state, self).ok());
    EXPECT_TRUE(standin::clients::allLiveAcknowledged(state.read().value()));

    ASSERT_TRUE(state.update([](StateData& d) {
        d.set("standin", "close_request", "4");
        d.set("standin", "client.999999999", "0"); // no such process
    }).ok());
    EXPECT_FALSE(standin::clients::allLiveAcknowledged(state.read().value()));
    ASSERT_TRUE(standin::clients::acknowledge(state, self).ok());
    EXPECT_TRUE(standin::clients::allLiveAcknowledged(state.read().value()));
    ASSERT_TRUE(standin::clients::unregisterClient(state, self).ok());
    EXPECT_EQ(state.read().value().value("standin", "client." + std::to_string(self), "gone"), "gone");
}

TEST(LookupFile, ReadsBothFormsWithEitherLineEnd) {
    testing_support::TempEnvironment env;
    const QString file = env.path(QStringLiteral("x.lku"));
    struct Case {
        QByteArray content;
        bool ok;
        bool all;
        std::vector<std::string> ids;
    };
    const Case cases[] = {
        {"ACT-STANDIN-LOOKUP 1\nALL\n", true, true, {}},
        {"ACT-STANDIN-LOOKUP 1\r\nAAAAAAAAAAAA\r\n\r\nBBBBBBBBBBBB", true, false, {"AAAAAAAAAAAA", "BBBBBBBBBBBB"}},
        {"ACT-STANDIN-LOOKUP 1\n", true, false, {}},
        {"ACT-STANDIN-LOOKUP 2\nALL\n", false, false, {}},
        {"", false, false, {}},
        {"ACT-STANDIN-LOOKUP 1\nALL\nAAAAAAAAAAAA\n", false, false, {}},
    };
    for (const Case& c : cases) {
        writeRaw(file, c.content);
        auto lookup = standin::lookupfile::read(file.toStdString());
        ASSERT_EQ(lookup.ok(), c.ok) << c.content.constData();
        if (!c.ok)
            continue;
        EXPECT_EQ(lookup.value().all, c.all);
        EXPECT_EQ(lookup.value().recordIds, c.ids);
        // What is written reads back the same.
        ASSERT_TRUE(standin::lookupfile::write(file.toStdString(), lookup.value()).ok());
        EXPECT_EQ(standin::lookupfile::read(file.toStdString()).value().recordIds, c.ids);
    }
    EXPECT_FALSE(standin::lookupfile::read(env.path(QStringLiteral("missing.lku")).toStdString()).ok());
}
