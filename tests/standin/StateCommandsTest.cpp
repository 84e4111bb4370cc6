#include "ToolTestSupport.h"

#include "standin/ActDatabaseFile.h"
#include "standin/ClientRegistry.h"
#include "standin/StateCommands.h"
#include "standin/StateFile.h"
#include "support/TempEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

#include <sstream>
#include <thread>

using namespace Qt::StringLiterals;
using standin::StateFile;
using tool_test::run;

namespace {

// A database with a few generated contacts, open in the stand-in.
QString openSample(const testing_support::TempEnvironment& env) {
    const QString db = env.path(u"db.actdb"_s);
    EXPECT_EQ(run({u"new"_s, db, u"--sample"_s, u"40"_s, u"--seed"_s, u"2"_s}).exitCode, 0);
    EXPECT_EQ(run({u"open"_s, db}).exitCode, 0);
    return db;
}

std::string state(const std::string& key) {
    return StateFile().read().value().value("standin", key);
}

std::vector<std::string> idsWhere(const QString& db, const std::string& condition) {
    auto database = standin::ActDatabaseFile::open(db.toStdString());
    auto select = database->sql().prepare("SELECT f1 FROM contact WHERE " + condition + " ORDER BY rowid");
    std::vector<std::string> ids;
    while (select.step())
        ids.emplace_back(select.text(0));
    return ids;
}

std::string lookupFileFor(const std::vector<std::string>& ids) {
    std::string text = "ACT-STANDIN-LOOKUP 1\n";
    for (const std::string& id : ids)
        text += id + "\n";
    return text;
}

} // namespace

TEST(StateCommands, OpenStoresTheAbsolutePathAndResetsCurrentAndLookup) {
    testing_support::TempEnvironment env;
    ASSERT_EQ(run({u"new"_s, env.path(u"db.actdb"_s)}).exitCode, 0);
    ASSERT_TRUE(StateFile()
                    .update([](standin::StateData& d) {
                        d.set("standin", "current", "ABCDEFGHIJKL");
                        d.set("standin", "lookup", "/x.lku");
                        d.set("standin", "close_request", "3");
                    })
                    .ok());
    const tool_test::Output opened = tool_test::runBinary({u"open"_s, u"./sub/../db.actdb"_s}, env.root());
    ASSERT_EQ(opened.exitCode, 0) << opened.err;
    EXPECT_EQ(state("running"), "1");
    EXPECT_EQ(state("database"), env.path(u"db.actdb"_s).toStdString());
    EXPECT_EQ(state("current"), "");
    EXPECT_EQ(state("lookup"), "");
    EXPECT_EQ(state("close_request"), "3");

    ASSERT_EQ(run({u"close"_s}).exitCode, 0);
    EXPECT_EQ(state("database"), "");
    EXPECT_EQ(state("running"), "1");
}

TEST(StateCommands, OpenRefusesWhatIsNotAContactDatabaseAndChangesNothing) {
    testing_support::TempEnvironment env;
    const QString db = openSample(env);
    tool_test::writeFile(env.path(u"garbage.actdb"_s), QByteArray(4096, 'x'));
    tool_test::writeFile(env.path(u"empty.actdb"_s), QByteArray());
    const QByteArray before = tool_test::readFile(env.stateFile());
    for (const QString& name : {u"missing.actdb"_s, u"garbage.actdb"_s, u"empty.actdb"_s, u"state"_s}) {
        const tool_test::Output opened = run({u"open"_s, env.path(name)});
        EXPECT_EQ(opened.exitCode, 1) << name.toStdString();
        EXPECT_EQ(opened.err.rfind("act-standin: ", 0), 0u) << opened.err;
        EXPECT_EQ(std::count(opened.err.begin(), opened.err.end(), '\n'), 1) << opened.err;
    }
    EXPECT_EQ(tool_test::readFile(env.stateFile()), before);
    EXPECT_EQ(state("database"), db.toStdString());
}

TEST(StateCommands, CurrentTakesOnlyARecordOfTheOpenDatabase) {
    testing_support::TempEnvironment env;
    const QString db = env.path(u"db.actdb"_s);
    ASSERT_EQ(run({u"new"_s, db, u"--sample"_s, u"5"_s}).exitCode, 0);
    const std::string id = idsWhere(db, "1")[3];
    const tool_test::Output closed = run({u"current"_s, QString::fromStdString(id)});
    EXPECT_EQ(closed.err, "act-standin: no database is open\n");
    ASSERT_EQ(run({u"open"_s, db}).exitCode, 0);
    ASSERT_EQ(run({u"current"_s, QString::fromStdString(id)}).exitCode, 0);
    const struct {
        QString id;
        std::string error;
    } cases[] = {
        {u"SHORT"_s, "'SHORT' is not a record id (12 characters, no control characters)"},
        {u"ABCDEFGHIJKLM"_s, "'ABCDEFGHIJKLM' is not a record id (12 characters, no control characters)"},
        {u""_s, "'' is not a record id (12 characters, no control characters)"},
        {u"ABCDEFGHIJKL"_s, "no contact of '" + db.toStdString() + "' has the record id 'ABCDEFGHIJKL'"},
        {QString::fromStdString(id).toLower(), "no contact of '" + db.toStdString() + "' has the record id '" +
                                                   QString::fromStdString(id).toLower().toStdString() + "'"},
    };
    for (const auto& c : cases) {
        const tool_test::Output output = run({u"current"_s, c.id});
        EXPECT_EQ(output.exitCode, 1);
        EXPECT_EQ(output.err, "act-standin: " + c.error + "\n");
        EXPECT_EQ(state("current"), id);
    }
    ASSERT_EQ(run({u"current"_s, u"--none"_s}).exitCode, 0);
    EXPECT_EQ(state("current"), "");
}

TEST(StateCommands, LookupWritesTheRecordIdsAndAnUnknownLabelChangesNothing) {
    testing_support::TempEnvironment env;
    const QString db = openSample(env);
    const std::string lookupPath = env.path(u"state/act-standin/lookup.lku"_s).toStdString();
    struct Case {
        QStringList arguments;
        std::vector<std::string> ids;
    };
    const Case cases[] = {
        {{u"lookup"_s, u"--where"_s, u"City=Boston"_s}, idsWhere(db, "f16 = 'Boston'")},
        {{u"lookup"_s, u"--where"_s, u"City=boston"_s}, {}},
        {{u"lookup"_s, u"--where"_s, u"Private=0"_s}, idsWhere(db, "f203 = '0'")},
        {{u"lookup"_s, u"--where"_s, u"Revenue="_s}, idsWhere(db, "f24 = ''")},
        {{u"lookup"_s, u"--where"_s, u"(Empty Column)="_s}, idsWhere(db, "1")},
    };
    for (const Case& c : cases) {
        const tool_test::Output output = run(c.arguments);
        ASSERT_EQ(output.exitCode, 0) << output.err;
        EXPECT_EQ(state("lookup"), lookupPath);
        EXPECT_EQ(tool_test::readFile(QString::fromStdString(lookupPath)).toStdString(), lookupFileFor(c.ids))
            << c.arguments.join(u' ').toStdString();
    }
    EXPECT_FALSE(idsWhere(db, "f16 = 'Boston'").empty());

    const QByteArray before = tool_test::readFile(env.stateFile());
    const QByteArray lookupBefore = tool_test::readFile(QString::fromStdString(lookupPath));
    const tool_test::Output unknown = run({u"lookup"_s, u"--where"_s, u"Town=Boston"_s});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.err, "act-standin: unknown field label 'Town'\n");
    EXPECT_EQ(tool_test::readFile(env.stateFile()), before);
    EXPECT_EQ(tool_test::readFile(QString::fromStdString(lookupPath)), lookupBefore);

    ASSERT_EQ(run({u"lookup"_s, u"--all"_s}).exitCode, 0);
    EXPECT_EQ(state("lookup"), "");
    ASSERT_EQ(run({u"close"_s}).exitCode, 0);
    EXPECT_EQ(run({u"lookup"_s, u"--where"_s, u"City=Boston"_s}).err, "act-standin: no database is open\n");
}

TEST(StateCommands, LookupIdsReadsOneIdALineAndNamesABadLine) {
    testing_support::TempEnvironment env;
    const QString ids = env.path(u"ids.txt"_s);
    const std::string lookupPath = env.path(u"state/act-standin/lookup.lku"_s).toStdString();
    tool_test::writeFile(ids, "\xEF\xBB\xBF"
                              "AAAAAAAAAAAA\r\nBBBBBBBBBBBB\n\nZoëZoëZoëZoë\r\n");
    ASSERT_EQ(run({u"lookup"_s, u"--ids"_s, ids}).exitCode, 0);
    EXPECT_EQ(state("lookup"), lookupPath);
    EXPECT_EQ(tool_test::readFile(QString::fromStdString(lookupPath)).toStdString(),
              lookupFileFor({"AAAAAAAAAAAA", "BBBBBBBBBBBB", "ZoëZoëZoëZoë"}));

    const QByteArray before = tool_test::readFile(env.stateFile());
    const struct {
        QByteArray content;
        std::string error;
    } cases[] = {
        {"AAAAAAAAAAAA\r\nSHORT\r\n", "line 2: 'SHORT' is not a record id (12 characters, no control characters)"},
        {"AAAAAAAAAAA\tA\n", "line 1: 'AAAAAAAAAAA\\x09A' is not a record id (12 characters, no control characters)"},
    };
    for (const auto& c : cases) {
        tool_test::writeFile(ids, c.content);
        EXPECT_EQ(run({u"lookup"_s, u"--ids"_s, ids}).err, "act-standin: " + c.error + "\n");
    }
    const tool_test::Output missing = run({u"lookup"_s, u"--ids"_s, env.path(u"missing.txt"_s)});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(tool_test::readFile(env.stateFile()), before);
}

TEST(StateCommands, QuitWaitsForLiveClientsAndNamesThoseThatDoNotAnswer) {
    testing_support::TempEnvironment env;
    openSample(env);
    const long long self = standin::clients::currentProcessId();
    ASSERT_TRUE(standin::clients::registerClient(StateFile(), self).ok());
    ASSERT_TRUE(standin::clients::registerClient(StateFile(), 999999999).ok()); // not running: ignored

    std::ostringstream out;
    std::ostringstream err;
    standin::StateCommands silent(out, err, StateFile(), std::chrono::milliseconds(300));
    ASSERT_TRUE(silent.quit().ok());
    EXPECT_EQ(err.str(), "act-standin: no answer from " + std::to_string(self) + "; quitting anyway\n");
    EXPECT_EQ(state("running"), "0");
    EXPECT_EQ(state("close_request"), "1");

    ASSERT_EQ(run({u"open"_s, env.path(u"db.actdb"_s)}).exitCode, 0);
    std::thread answer([self] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        EXPECT_TRUE(standin::clients::acknowledge(StateFile(), self).ok());
    });
    std::ostringstream quietErr;
    const auto start = std::chrono::steady_clock::now();
    const bool quit = standin::StateCommands(out, quietErr).quit().ok();
    answer.join();
    EXPECT_TRUE(quit);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(quietErr.str(), "");
    EXPECT_EQ(state("running"), "0");
    EXPECT_EQ(state("close_request"), "2");
}

TEST(StateCommands, StatusAndAuxShowTheStateAndAnUnreadableStateIsReported) {
    testing_support::TempEnvironment env;
    const QString db = openSample(env);
    ASSERT_TRUE(standin::clients::registerClient(StateFile(), 4242).ok());
    ASSERT_EQ(run({u"aux"_s, u"--refuse"_s, u"on"_s}).exitCode, 0);
    EXPECT_EQ(run({u"status"_s}).out,
              "running=1\ndatabase=" + db.toStdString() + "\ncurrent=\nlookup=\nclose_request=0\nclient.4242=0\n");
    EXPECT_EQ(run({u"aux"_s}).out, "refuse=1\n");
    ASSERT_EQ(run({u"aux"_s, u"--refuse"_s, u"off"_s}).exitCode, 0);
    EXPECT_EQ(run({u"aux"_s}).out, "refuse=0\n");

    ASSERT_TRUE(QFile::remove(env.stateFile()));
    ASSERT_TRUE(QDir().mkpath(env.stateFile()));
    for (const QStringList& arguments : {QStringList{u"status"_s}, QStringList{u"aux"_s}, QStringList{u"close"_s},
                                         QStringList{u"open"_s, db}, QStringList{u"quit"_s}}) {
        const tool_test::Output output = run(arguments);
        EXPECT_EQ(output.exitCode, 1) << arguments.join(u' ').toStdString();
        EXPECT_EQ(output.err.rfind("act-standin: cannot read the stand-in state", 0), 0u) << output.err;
        EXPECT_EQ(std::count(output.err.begin(), output.err.end(), '\n'), 1) << output.err;
    }
}
