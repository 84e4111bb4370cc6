#include "ToolTestSupport.h"

#include "support/TempEnvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;
using tool_test::run;

namespace {

// An argument list; "@name" stands for a file of the test's folder.
QStringList args(const testing_support::TempEnvironment& env, std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* item : items) {
        const QString text = QString::fromUtf8(item);
        list << (text.startsWith(u'@') ? env.path(text.mid(1)) : text);
    }
    return list;
}

} // namespace

TEST(StandinCommands, UsageErrorsExitTwoWithOneLine) {
    testing_support::TempEnvironment env;
    tool_test::writeFile(env.path(u"db.actdb"_s), "not touched");
    const struct {
        QStringList arguments;
        std::string error;
    } cases[] = {
        {args(env, {"frobnicate"}), "unknown command 'frobnicate'"},
        {args(env, {"--version"}), "unknown command '--version'"},
        {args(env, {"new"}), "missing arguments; usage: act-standin new DB [--sample N] [--seed S]"},
        {args(env, {"new", "@a.actdb", "@b.actdb"}),
         "unexpected argument '" + env.path(u"b.actdb"_s).toStdString() + "'"},
        {args(env, {"new", "@a.actdb", "--bogus"}), "unknown option 'bogus'"},
        {args(env, {"new", "@a.actdb", "--sample"}), "missing value after '--sample'"},
        {args(env, {"new", "@a.actdb", "--sample", "-1"}), "--sample takes a number of contacts"},
        {args(env, {"new", "@a.actdb", "--sample", "12x"}), "--sample takes a number of contacts"},
        {args(env, {"new", "@a.actdb", "--seed", "99999999999999999999"}), "--seed takes a number"},
        {args(env, {"import", "@db.actdb"}), "missing arguments"},
        {args(env, {"export", "@db.actdb", "--fields", "1,x"}), "--fields takes field ids separated by commas"},
        {args(env, {"export", "@db.actdb", "--fields", ""}), "--fields takes field ids separated by commas"},
        {args(env, {"close", "extra"}), "unexpected argument 'extra'"},
        {args(env, {"current"}), "give either a record id or --none"},
        {args(env, {"current", "ABCDEFGHIJKL", "--none"}), "give either a record id or --none"},
        {args(env, {"lookup"}), "give one of --all, --ids and --where"},
        {args(env, {"lookup", "--all", "--ids", "@f"}), "give one of --all, --ids and --where"},
        {args(env, {"lookup", "--where", "City"}), "--where takes LABEL=VALUE"},
        {args(env, {"aux", "--refuse", "maybe"}), "--refuse takes on or off"},
    };
    for (const auto& c : cases) {
        const tool_test::Output output = run(c.arguments);
        const std::string shown = c.arguments.join(u' ').toStdString();
        EXPECT_EQ(output.exitCode, 2) << shown;
        EXPECT_EQ(output.err.rfind("act-standin: " + c.error, 0), 0u) << shown << " -> " << output.err;
        EXPECT_EQ(std::count(output.err.begin(), output.err.end(), '\n'), 1) << output.err;
        EXPECT_EQ(output.out, "") << shown;
    }
    EXPECT_EQ(tool_test::folderEntries(env.root()).filter(u".actdb"_s), QStringList{u"db.actdb"_s});
    EXPECT_EQ(tool_test::folderEntries(env.path(u"state"_s)), QStringList());
    EXPECT_EQ(tool_test::readFile(env.path(u"db.actdb"_s)), "not touched");
}

TEST(StandinCommands, HelpGoesToStandardOutputAndNoCommandIsAUsageError) {
    testing_support::TempEnvironment env;
    const tool_test::Output help = run(args(env, {"--help"}));
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("act-standin lookup --all | --ids FILE | --where LABEL=VALUE"), std::string::npos);
    const tool_test::Output commandHelp = run(args(env, {"export", "--help"}));
    EXPECT_EQ(commandHelp.exitCode, 0);
    EXPECT_EQ(commandHelp.out, "usage: act-standin export DB [--fields ID,ID,...]\n");
    const tool_test::Output none = run({});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_EQ(none.err, help.out);
}

TEST(StandinCommands, NewRefusesAnExistingFileAndLeavesNothingWhenItFails) {
    testing_support::TempEnvironment env;
    const QString existing = env.path(u"existing.actdb"_s);
    tool_test::writeFile(existing, "precious");
    const QString folder = env.path(u"folder.actdb"_s);
    QDir().mkpath(folder);
    const QStringList before = tool_test::folderEntries(env.root());
    const struct {
        QString path;
        std::string error;
    } cases[] = {
        {existing, "'" + existing.toStdString() + "' already exists"},
        {folder, "'" + folder.toStdString() + "' already exists"},
        {env.path(u"no/such/x.actdb"_s), "cannot create '" + env.path(u"no/such/x.actdb"_s).toStdString() +
                                             "': no folder '" + env.path(u"no/such"_s).toStdString() + "'"},
    };
    for (const auto& c : cases) {
        const tool_test::Output output = run({u"new"_s, c.path, u"--sample"_s, u"10"_s});
        EXPECT_EQ(output.exitCode, 1) << c.path.toStdString();
        EXPECT_EQ(output.err.rfind("act-standin: " + c.error, 0), 0u) << output.err;
        EXPECT_EQ(std::count(output.err.begin(), output.err.end(), '\n'), 1) << output.err;
    }
    EXPECT_EQ(tool_test::readFile(existing), "precious");
    EXPECT_EQ(tool_test::folderEntries(env.root()), before);
}

TEST(StandinCommands, NewInterruptedLeavesNoFile) {
    testing_support::TempEnvironment env;
    const QString folder = env.path(u"db"_s);
    QDir().mkpath(folder);
    QProcess process;
    process.start(testing_support::binary(u"act-standin"_s),
                  {u"new"_s, folder + u"/big.actdb"_s, u"--sample"_s, u"50000000"_s});
    ASSERT_TRUE(process.waitForStarted());
    // Wait until the temporary file is being filled, then interrupt.
    for (int i = 0; i < 200 && tool_test::folderEntries(folder).isEmpty(); ++i)
        QThread::msleep(25);
    ASSERT_FALSE(tool_test::folderEntries(folder).isEmpty());
    process.terminate();
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(tool_test::folderEntries(folder), QStringList());
}

TEST(StandinCommands, ExportWritesChosenFieldsAndChecksThemFirst) {
    testing_support::TempEnvironment env;
    const QString db = env.path(u"db.actdb"_s);
    ASSERT_EQ(run({u"new"_s, db}).exitCode, 0);
    tool_test::writeFile(env.path(u"in.csv"_s),
                         "Company,Record Manager,Notes\r\n\"A, Inc.\",Bob Smith,\"x\ny\"\r\n,,\r\n");
    ASSERT_EQ(run({u"import"_s, db, env.path(u"in.csv"_s)}).exitCode, 0);

    const tool_test::Output chosen = run({u"export"_s, db, u"--fields"_s, u"6,950,2,30"_s});
    EXPECT_EQ(chosen.exitCode, 0) << chosen.err;
    EXPECT_EQ(chosen.out, "Record Manager,(Empty Column),Company,Notes\r\nBob Smith,,\"A, Inc.\",\"x\ny\"\r\n,,,\r\n");
    const tool_test::Output one = run({u"export"_s, db, u"--fields"_s, u"2"_s});
    EXPECT_EQ(one.out, "Company\r\n\"A, Inc.\"\r\n\"\"\r\n");

    const struct {
        QString fields;
        std::string error;
    } cases[] = {
        {u"2,77"_s, "act-standin: no field has the id 77\n"},
        {u"-1"_s, "act-standin: no field has the id -1\n"},
        {u"2,3,2"_s, "act-standin: the field id 2 is given twice\n"},
    };
    for (const auto& c : cases) {
        const tool_test::Output output = run({u"export"_s, db, u"--fields"_s, c.fields});
        EXPECT_EQ(output.exitCode, 1);
        EXPECT_EQ(output.err, c.error);
        EXPECT_EQ(output.out, "");
    }
}

TEST(StandinCommands, FieldsAndUsersListTheCatalogue) {
    testing_support::TempEnvironment env;
    const QString db = env.path(u"db.actdb"_s);
    ASSERT_EQ(run({u"new"_s, db}).exitCode, 0);
    const std::string fields = run({u"fields"_s, db}).out;
    EXPECT_EQ(std::count(fields.begin(), fields.end(), '\n'), 35);
    EXPECT_EQ(fields.rfind("0\t1\tRecord ID\t1\n1\t2\tCompany\t2\n", 0), 0u);
    EXPECT_NE(fields.find("\n30\t-1\t\t0\n31\t79\tCreate Date (sort)\t7\n"), std::string::npos);
    EXPECT_EQ(run({u"users"_s, db}).out, "1\tUSR000000001\tAlex Moreau\n2\tUSR000000002\tBob\n"
                                         "3\tUSR000000003\tBob Smith\n4\tUSR000000004\tDana Reyes\n"
                                         "5\tUSR000000005\tEli Novak\n");
    const tool_test::Output missing = run({u"fields"_s, env.path(u"missing.actdb"_s)});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 1);
}

TEST(StandinCommands, TheBinaryBehavesAsTheCommands) {
    testing_support::TempEnvironment env;
    const tool_test::Output made =
        tool_test::runBinary({u"new"_s, u"s.actdb"_s, u"--sample"_s, u"50"_s, u"--seed"_s, u"3"_s}, env.root());
    ASSERT_EQ(made.exitCode, 0) << made.err;
    const QString db = env.path(u"s.actdb"_s);
    const tool_test::Output exported = tool_test::runBinary({u"export"_s, db});
    EXPECT_EQ(exported.exitCode, 0);
    EXPECT_EQ(exported.out, tool_test::exportOf(db));
    // The same seed in this process gives the same database.
    const QString again = env.path(u"again.actdb"_s);
    ASSERT_EQ(run({u"new"_s, again, u"--sample"_s, u"50"_s, u"--seed"_s, u"3"_s}).exitCode, 0);
    EXPECT_EQ(tool_test::exportOf(again), exported.out);
    EXPECT_EQ(tool_test::runBinary({u"frobnicate"_s}).exitCode, 2);
    tool_test::writeFile(env.path(u"bad.csv"_s), "Company,Title\nA,B\nC\n");
    const tool_test::Output bad = tool_test::runBinary({u"import"_s, db, env.path(u"bad.csv"_s)});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.err, "act-standin: line 3: 1 cells where the header has 2\n");
}
