#include "StandinTestSupport.h"

#include "standin/ClientRegistry.h"
#include "standin/StateCommands.h"

#include <QDirIterator>
#include <QProcess>
#include <qtestsupport_core.h>

#include <algorithm>

using namespace standin_test;

namespace {

Output runBinary(const QStringList& arguments, const QString& folder = {}) {
    return testing_support::runBinary(u"act-standin"_s, arguments, folder);
}

// Names in a folder, hidden ones included.
QStringList folderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

struct Step {
    std::vector<const char*> arguments;
    int exitCode;
    std::string out;
    std::string err;              // after "act-standin: "; ending in "…", how its one line starts
    const char* lookup = nullptr; // the record ids in the current lookup file, when given
};

// The transcript of a stand-in session in the test's folder, "@" standing for the folder and a "/". A command that
// fails changes no file; the database's contacts stand for its file.
void play(const TempEnvironment& env, const std::vector<Step>& steps) {
    const auto expand = [&](const std::string& text) {
        return QString::fromStdString(text).replace(u'@', env.root() + u'/');
    };
    const auto snapshot = [&] {
        std::map<std::string, std::string> files;
        for (QDirIterator it(env.root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
            if (const QString path = it.next(); !path.contains(u"/db.actdb"_s) && !path.endsWith(u".lock"_s))
                files[path.toStdString()] = readBytes(path).toStdString();
        if (const QString db = env.path(u"db.actdb"_s); QFile::exists(db))
            files[db.toStdString()] = exportOf(db);
        return files;
    };
    for (const Step& step : steps) {
        QStringList arguments;
        for (const char* argument : step.arguments)
            arguments << expand(argument);
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const auto before = snapshot();
        Output output = run(arguments);
        std::string err = step.err.empty() ? "" : "act-standin: " + expand(step.err).toStdString();
        if (err.ends_with("…") && std::count(output.err.begin(), output.err.end(), '\n') == 1) {
            err.resize(err.size() - std::string_view("…").size());
            output.err.resize(std::min(err.size(), output.err.size()));
        }
        EXPECT_EQ(std::tuple(output.exitCode, output.out, output.err),
                  std::tuple(step.exitCode, expand(step.out).toStdString(), err));
        EXPECT_EQ(step.exitCode == 0 ? before : snapshot(), before);
        if (step.lookup) {
            const QString file = QString::fromStdString(standinState("lookup"));
            EXPECT_TRUE(QDir::isAbsolutePath(file)) << file.toStdString();
            EXPECT_EQ(readBytes(file), "ACT-STANDIN-LOOKUP 1\n" + QByteArray(step.lookup));
        }
    }
}

} // namespace

TEST(StandinCommands, ASessionOfCommandsAndTheirFailures) {
    TempEnvironment env;
    writeFile(env.path(u"existing.actdb"_s), "precious");
    writeFile(env.path(u"garbage.actdb"_s), QByteArray(4096, 'x'));
    writeFile(env.path(u"empty.actdb"_s), "");
    writeFile(env.path(u"in.csv"_s), "Record ID,Company,City,Revenue,Record Manager,Notes\r\n"
                                     "AAAAAAAAAAA1,\"A, Inc.\",Boston,,Bob Smith,\"x\r\ny\"\r\n"
                                     "AAAAAAAAAAA2,B,boston,\"1,000.00\",,\"one\rtwo\"\r\n"
                                     "AAAAAAAAAAA3,,Boston,5,,\"say \"\"hi\"\"\"\r\n");
    writeFile(env.path(u"ids.txt"_s), "\xEF\xBB\xBF"
                                      "AAAAAAAAAAAA\r\nBBBBBBBBBBBB\n\nZoëZoëZoëZoë\r\n");
    writeFile(env.path(u"short.txt"_s), "AAAAAAAAAAAA\r\nSHORT\r\n");
    writeFile(env.path(u"tab.txt"_s), "AAAAAAAAAAA\tA\n");
    const std::string notAnId = " is not a record id (12 characters, no control characters)\n";
    const std::string exported = "Record Manager,(Empty Column),Company,Notes\r\nBob Smith,,\"A, Inc.\",\"x\r\ny\"\r\n"
                                 ",,B,\"one\rtwo\"\r\n,,,\"say \"\"hi\"\"\"\r\n";
    const std::string users = "1\tUSR000000001\tAlex Moreau\n2\tUSR000000002\tBob\n3\tUSR000000003\tBob Smith\n"
                              "4\tUSR000000004\tDana Reyes\n5\tUSR000000005\tEli Novak\n";
    const std::string session = "running=1\ndatabase=@db.actdb\ncurrent=";
    const std::vector<Step> steps = {
        {{"frobnicate"}, 2, "", "unknown command 'frobnicate'…"},
        {{"new"}, 2, "", "missing arguments; usage: act-standin new DB [--sample N] [--seed S]\n"},
        {{"new", "@a.actdb", "@b.actdb"}, 2, "", "unexpected argument '@b.actdb'…"},
        {{"new", "@a.actdb", "--sample", "12x"}, 2, "", "--sample takes a number of contacts…"},
        {{"export", "@db.actdb", "--fields", "1,x"}, 2, "", "--fields takes field ids…"},
        {{"current", "ABCDEFGHIJKL", "--none"}, 2, "", "give either a record id or --none…"},
        {{"lookup", "--all", "--ids", "@ids.txt"}, 2, "", "give one of --all, --ids and --where…"},
        {{"lookup", "--where", "City"}, 2, "", "--where takes LABEL=VALUE…"},
        {{"new", "@existing.actdb"}, 1, "", "'@existing.actdb' already exists\n"},
        {{"new", "@no/x.actdb"}, 1, "", "cannot create '@no/x.actdb': no folder '@no'\n"},
        {{"new", "@db.actdb"}, 0, "", ""},
        {{"import", "@db.actdb", "@in.csv"}, 0, "", ""},
        {{"export", "@db.actdb", "--fields", "6,950,2,30"}, 0, exported, ""},
        {{"export", "@db.actdb", "--fields", "2"}, 0, "Company\r\n\"A, Inc.\"\r\nB\r\n\"\"\r\n", ""},
        {{"export", "@db.actdb", "--fields", "2,77"}, 1, "", "no field has the id 77\n"},
        {{"export", "@db.actdb", "--fields", "2,3,2"}, 1, "", "the field id 2 is given twice\n"},
        {{"users", "@db.actdb"}, 0, users, ""},
        {{"fields", "@missing.actdb"}, 1, "", "cannot open '@missing.actdb'…"},
        {{"aux", "--refuse", "on"}, 0, "", ""},
        {{"aux"}, 0, "refuse=1\n", ""},
        {{"current", "AAAAAAAAAAA1"}, 1, "", "no database is open\n"},
        {{"open", "@garbage.actdb"}, 1, "", "…"},
        {{"open", "@empty.actdb"}, 1, "", "…"},
        {{"open", "@db.actdb"}, 0, "", ""},
        {{"current", "aaaaaaaaaaa1"}, 1, "", "no contact of '@db.actdb' has the record id 'aaaaaaaaaaa1'\n"},
        {{"current", "AAAAAAAAAAA1"}, 0, "", ""},
        {{"lookup", "--where", "City=Boston"}, 0, "", "", "AAAAAAAAAAA1\nAAAAAAAAAAA3\n"},
        {{"lookup", "--where", "City=boston"}, 0, "", "", "AAAAAAAAAAA2\n"},
        {{"lookup", "--where", "Revenue="}, 0, "", "", "AAAAAAAAAAA1\n"},
        {{"lookup", "--where", "(Empty Column)="}, 0, "", "", "AAAAAAAAAAA1\nAAAAAAAAAAA2\nAAAAAAAAAAA3\n"},
        {{"lookup", "--ids", "@ids.txt"}, 0, "", "", "AAAAAAAAAAAA\nBBBBBBBBBBBB\nZoëZoëZoëZoë\n"},
        {{"lookup", "--where", "Town=Boston"}, 1, "", "unknown field label 'Town'\n"},
        {{"lookup", "--ids", "@short.txt"}, 1, "", "line 2: 'SHORT'" + notAnId},
        {{"lookup", "--ids", "@tab.txt"}, 1, "", "line 1: 'AAAAAAAAAAA\\x09A'" + notAnId},
        {{"lookup", "--ids", "@missing.txt"}, 1, "", "cannot read '@missing.txt': No such file…"},
        {{"lookup", "--all"}, 0, "", ""},
        {{"status"}, 0, session + "AAAAAAAAAAA1\nlookup=\nclose_request=0\n", ""},
        {{"lookup", "--where", "City=Boston"}, 0, "", ""},
        {{"open", "@db.actdb"}, 0, "", ""}, // afresh: no current contact, all contacts
        {{"status"}, 0, session + "\nlookup=\nclose_request=0\n", ""},
        {{"close"}, 0, "", ""},
        {{"status"}, 0, "running=1\ndatabase=\ncurrent=\nlookup=\nclose_request=0\n", ""},
        {{"quit"}, 0, "", ""},
        {{"status"}, 0, "running=0\ndatabase=\ncurrent=\nlookup=\nclose_request=1\n", ""},
    };
    play(env, steps);
    breakState(env);
    const char* unreadable = "cannot read the stand-in state…";
    play(env,
         {{{"status"}, 1, "", unreadable}, {{"open", "@db.actdb"}, 1, "", unreadable}, {{"quit"}, 1, "", unreadable}});
}

TEST(StandinCommands, TheBinaryRunsInItsFolderAndLeavesNoDatabaseWhenInterrupted) {
    TempEnvironment env;
    ASSERT_EQ(runBinary({u"new"_s, u"db.actdb"_s, u"--sample"_s, u"50"_s}, env.root()).exitCode, 0);
    ASSERT_EQ(runBinary({u"open"_s, u"./sub/../db.actdb"_s}, env.root()).exitCode, 0);
    EXPECT_EQ(standinState("database"), env.path(u"db.actdb"_s).toStdString());
    // Without a command, the usage is the reason for failing; asked for, it is the answer.
    const Output none = runBinary({});
    EXPECT_EQ(std::tuple(none.exitCode, none.err), std::tuple(2, runBinary({u"--help"_s}).out));

    const QString folder = env.path(u"interrupted"_s);
    QDir().mkpath(folder);
    QProcess process;
    process.start(testing_support::binary(u"act-standin"_s),
                  {u"new"_s, folder + u"/big.actdb"_s, u"--sample"_s, u"50000000"_s});
    ASSERT_TRUE(process.waitForStarted());
    // A loaded machine may take seconds to start the binary.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !folderEntries(folder).isEmpty(); }, 30000));
    process.terminate();
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(folderEntries(folder), QStringList());
}

TEST(StateCommands, QuitNamesTheLiveClientsThatDoNotAnswerAndQuitsAnyway) {
    TempEnvironment env;
    setStandinState({{"running", "1"}});
    const long long self = standin::clients::currentProcessId();
    ASSERT_TRUE(standin::clients::registerClient(standin::StateFile(), self).ok());
    ASSERT_TRUE(standin::clients::registerClient(standin::StateFile(), 999999999).ok()); // not running: ignored
    std::ostringstream out, err;
    ASSERT_TRUE(standin::StateCommands(out, err, standin::StateFile(), std::chrono::milliseconds(300)).quit().ok());
    EXPECT_EQ(err.str(), "act-standin: no answer from " + std::to_string(self) + "; quitting anyway\n");
    EXPECT_EQ(standinState("running") + "," + standinState("close_request"), "0,1");
}
