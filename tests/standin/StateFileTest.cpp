#include "StandinTestSupport.h"

#include <QProcess>

using namespace standin_test;
using standin::StateData;
using standin::StateFile;

TEST(StateFile, AnUpdateKeepsWhatItDoesNotChangeAndHoldsTheLockBesideTheFile) {
    TempEnvironment env;
    writeFile(env.stateFile(), "\xEF\xBB\xBF[standin]\r\nrunning=1\r\n\r\ndatabase=/a b/c=d.actdb\n[aux]\nrefuse=0\n");
    ASSERT_TRUE(StateFile().update([](StateData& d) { d.set("standin", "current", "ABCDEFGHIJKL"); }).ok());
    EXPECT_EQ(StateFile().read().value().sections(),
              (std::map<std::string, std::map<std::string, std::string>>{
                  {"aux", {{"refuse", "0"}}},
                  {"standin", {{"running", "1"}, {"database", "/a b/c=d.actdb"}, {"current", "ABCDEFGHIJKL"}}}}));
    EXPECT_TRUE(QFile::exists(env.stateFile() + u".lock"_s));
}

TEST(StateFile, UnreadableFormsAreErrorsAndUpdatesChangeNothing) {
    const std::pair<const char*, QByteArray> cases[] = {
        {"a line that is not key=value", "[standin]\nrunning=1\ngarbage\n"},
        {"a key before any section", "running=1\n"},
        {"an empty key", "[standin]\n=1\n"},
    };
    for (const auto& [name, content] : cases) {
        SCOPED_TRACE(name);
        TempEnvironment env;
        writeFile(env.stateFile(), content);
        const auto state = StateFile().read();
        ASSERT_FALSE(state.ok());
        EXPECT_NE(state.error().description.find("state"), std::string::npos);
        EXPECT_FALSE(StateFile().update([](StateData& d) { d.set("standin", "running", "0"); }).ok());
        EXPECT_EQ(readBytes(env.stateFile()), content);
    }
}

TEST(StateFile, AnUpdateThatCannotBeWrittenLeavesTheStateWholeAndSaysWhy) {
    TempEnvironment env;
    const QByteArray old = "[standin]\nrunning=1\n";
    writeFile(env.stateFile(), old);
    const testing_support::FileSizeLimit full(old.size() + 10);
    const act::Status updated =
        StateFile().update([](StateData& d) { d.set("standin", "database", std::string(99, 'x')); });
    ASSERT_FALSE(updated.ok());
    EXPECT_NE(updated.error().description.find("File too large"), std::string::npos) << updated.error().description;
    EXPECT_EQ(readBytes(env.stateFile()), old);
}

TEST(StateFile, ConcurrentUpdatesFromTwoProcessesLoseNothing) {
    TempEnvironment env;
    // Both count close requests, the other process through `act-standin quit`, this one until the other is done.
    constexpr int Quits = 40;
    QProcess other;
    other.start(u"/bin/sh"_s, {u"-c"_s, u"for i in $(seq %1); do \"%2\" quit || exit 1; done"_s.arg(Quits).arg(
                                            testing_support::binary(u"act-standin"_s))});
    ASSERT_TRUE(other.waitForStarted());
    int counted = Quits;
    for (; !other.waitForFinished(0); ++counted)
        ASSERT_TRUE(
            StateFile()
                .update([](StateData& d) { d.set("standin", "close_request", std::to_string(d.closeRequest() + 1)); })
                .ok());
    EXPECT_EQ(other.exitCode(), 0);
    EXPECT_EQ(StateFile().read().value().closeRequest(), counted);
}
