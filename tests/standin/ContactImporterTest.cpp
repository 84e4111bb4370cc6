#include "ToolTestSupport.h"

#include "standin/ActDatabaseFile.h"
#include "support/TempEnvironment.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using tool_test::exportOf;
using tool_test::run;

namespace {

QString newDatabase(const testing_support::TempEnvironment& env, const char* name, const char* sample = "0") {
    const QString path = env.path(QString::fromLatin1(name));
    const tool_test::Output made =
        run({u"new"_s, path, u"--sample"_s, QString::fromLatin1(sample), u"--seed"_s, u"5"_s});
    EXPECT_EQ(made.exitCode, 0) << made.err;
    return path;
}

tool_test::Output importText(const testing_support::TempEnvironment& env, const QString& db, const QByteArray& csv) {
    const QString file = env.path(u"input.csv"_s);
    tool_test::writeFile(file, csv);
    return run({u"import"_s, db, file});
}

std::vector<std::vector<std::string>> rows(const QString& db, const std::string& columns) {
    auto database = standin::ActDatabaseFile::open(db.toStdString());
    auto select = database->sql().prepare("SELECT " + columns + " FROM contact ORDER BY rowid");
    std::vector<std::vector<std::string>> result;
    while (select.step()) {
        std::vector<std::string> row;
        for (int i = 0; i < select.columnCount(); ++i)
            row.push_back(select.isNull(i) ? "<null>" : std::string(select.text(i)));
        result.push_back(row);
    }
    return result;
}

} // namespace

TEST(ContactImporter, AnExportImportsIntoAnEmptyDatabaseAsTheSameContacts) {
    testing_support::TempEnvironment env;
    const QString source = newDatabase(env, "source.actdb", "400");
    const QString target = newDatabase(env, "target.actdb");
    const std::string exported = exportOf(source);
    const tool_test::Output imported = importText(env, target, QByteArray::fromStdString(exported));
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(exportOf(target), exported);
    EXPECT_EQ(rows(target, "*"), rows(source, "*"));

    // The same file again: its record ids are taken now.
    const tool_test::Output again = importText(env, target, QByteArray::fromStdString(exported));
    EXPECT_EQ(again.err, "act-standin: line 2: the record id '" + rows(source, "f1")[0][0] + "' is already taken\n");
    EXPECT_EQ(tool_test::contactCount(target), 400);
}

TEST(ContactImporter, StoresValuesExactlyDerivesTheSortDateAndLeavesOtherFieldsEmpty) {
    testing_support::TempEnvironment env;
    const QString db = newDatabase(env, "db.actdb");
    const QByteArray csv = "\xEF\xBB\xBF"
                           "Company,Notes,Record Manager,Create Date,Create Date (sort),(Empty Column),Record ID\r\n"
                           "\" Acme, Inc. \",\"line 1\r\nline 2\nsaid \"\"hi\"\" \",Bob Smith,03/14/2025 09:30,,,\r\n"
                           "Zoë & Co.,日本語,,14/03/2025,,,MYOWNID00001\r\n"
                           ",,Bob,03/01/2024,2024-03-01,,\r\n";
    const tool_test::Output imported = importText(env, db, csv);
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    const auto stored = rows(db, "f2, f30, f6, f26, f79, f9");
    const std::vector<std::vector<std::string>> expected = {
        {" Acme, Inc. ", "line 1\r\nline 2\nsaid \"hi\" ", "USR000000003", "03/14/2025 09:30", "2025-03-14", ""},
        {"Zoë & Co.", "日本語", "", "14/03/2025", "", ""},
        {"", "", "USR000000002", "03/01/2024", "2024-03-01", ""},
    };
    EXPECT_EQ(stored, expected);
    const auto ids = rows(db, "f1");
    ASSERT_EQ(ids.size(), 3u);
    EXPECT_EQ(ids[1][0], "MYOWNID00001");
    EXPECT_EQ(ids[0][0].size(), 12u);
    EXPECT_EQ(ids[2][0].size(), 12u);
    EXPECT_NE(ids[0][0], ids[2][0]);
}

TEST(ContactImporter, ABadLineIsNamedAndNothingIsImported) {
    testing_support::TempEnvironment env;
    const QString db = newDatabase(env, "db.actdb", "3");
    const std::string taken = rows(db, "f1")[1][0];
    struct Case {
        QByteArray csv;
        std::string error;
    };
    const Case cases[] = {
        {"", "line 1: the file has no header row"},
        {"Company,Colour\nA,b\n", "line 1: unknown field label 'Colour'"},
        {"company\nA\n", "line 1: unknown field label 'company'"},
        {"Company,\nA,\n", "line 1: unknown field label ''"},
        {"Company,Title,Company\n", "line 1: the field label 'Company' appears twice"},
        {"Company,Record Manager\nA,Bob\nB,Robert\n", "line 3: no user is named 'Robert'"},
        {"Record Manager\nbob smith\n", "line 2: no user is named 'bob smith'"},
        {"Record ID,Company\nSHORT,A\n",
         "line 2: the record id 'SHORT' is not 12 characters without control characters"},
        {"Record ID\nABCDEFGHIJKLM\n",
         "line 2: the record id 'ABCDEFGHIJKLM' is not 12 characters without control characters"},
        {"Record ID\nABCDEFGHIJK\t\n",
         "line 2: the record id 'ABCDEFGHIJK\\x09' is not 12 characters without control characters"},
        {"Company,Record ID\nA,\nB," + QByteArray::fromStdString(taken) + "\n",
         "line 3: the record id '" + taken + "' is already taken"},
        {"Record ID,Notes\nAAAAAAAAAAAA,x\nBBBBBBBBBBBB,\"two\nlines\"\nAAAAAAAAAAAA,y\n",
         "line 5: the record id 'AAAAAAAAAAAA' is already taken"},
        {"Company,Title\nA,B\nC\n", "line 3: 1 cells where the header has 2"},
        {"Company\nA,B\n", "line 2: 2 cells where the header has 1"},
        {"Company,Title\nA,B\n\nC,D\n", "line 3: 1 cells where the header has 2"},
        {"Company\nA\n\"B\nC\n", "line 3: a quoted cell is not closed"},
        {"Company,Title\n\"A\"x,B\n", "line 2: text after a closing quote"},
        {"Company\nsay \"hi\"\n", "line 2: a quote inside a cell that does not start with one"},
        {"Company\nok\nCaf\xE9\n", "line 3: the text is not valid UTF-8"},
        {"(Empty Column),Company\n,A\nx,B\n", "line 3: '(Empty Column)' has no values; its cells must be empty"},
        {"Create Date,Create Date (sort)\n03/14/2025 09:30,2025-03-15\n",
         "line 2: Create Date (sort) '2025-03-15' is not the date part of Create Date; leave it empty, it is derived"},
    };
    const std::string before = exportOf(db);
    for (const Case& c : cases) {
        const tool_test::Output imported = importText(env, db, c.csv);
        EXPECT_EQ(imported.exitCode, 1) << c.csv.toStdString();
        EXPECT_EQ(imported.err, "act-standin: " + c.error + "\n") << c.csv.toStdString();
        EXPECT_EQ(exportOf(db), before) << c.csv.toStdString();
    }
}

TEST(ContactImporter, AMissingFileOrDatabaseIsRefused) {
    testing_support::TempEnvironment env;
    const QString db = newDatabase(env, "db.actdb", "2");
    const QString missing = env.path(u"missing.csv"_s);
    const std::string before = exportOf(db);
    const struct {
        QStringList arguments;
        std::string error;
    } cases[] = {
        {{u"import"_s, db, missing},
         "act-standin: cannot read '" + missing.toStdString() + "': No such file or directory\n"},
        {{u"import"_s, db, env.root()},
         "act-standin: cannot read '" + env.root().toStdString() + "': it is a folder\n"},
    };
    for (const auto& c : cases) {
        const tool_test::Output imported = run(c.arguments);
        EXPECT_EQ(imported.exitCode, 1);
        EXPECT_EQ(imported.err, c.error);
    }
    EXPECT_EQ(exportOf(db), before);
    tool_test::writeFile(env.path(u"ok.csv"_s), "Company\nA\n");
    const tool_test::Output noDatabase = run({u"import"_s, env.path(u"none.actdb"_s), env.path(u"ok.csv"_s)});
    EXPECT_EQ(noDatabase.exitCode, 1);
    EXPECT_FALSE(QFile::exists(env.path(u"none.actdb"_s)));
}
