#include "StandinTestSupport.h"

using namespace standin_test;

namespace {

QString newDatabase(const TempEnvironment& env, const QString& name, const QString& sample = u"0"_s) {
    const QString path = env.path(name);
    const Output made = run({u"new"_s, path, u"--sample"_s, sample, u"--seed"_s, u"5"_s});
    EXPECT_EQ(made.exitCode, 0) << made.err;
    return path;
}

Output importText(const TempEnvironment& env, const QString& db, const QByteArray& csv) {
    return run({u"import"_s, db, writeFile(env.path(u"input.csv"_s), csv)});
}

} // namespace

TEST(ContactImporter, AnExportImportsIntoAnEmptyDatabaseAsTheSameContacts) {
    TempEnvironment env;
    const QString source = newDatabase(env, u"source.actdb"_s, u"400"_s);
    const QString target = newDatabase(env, u"target.actdb"_s);
    const std::string exported = exportOf(source);
    const Output imported = importText(env, target, QByteArray::fromStdString(exported));
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(exportOf(target), exported);
    EXPECT_EQ(query(target, "SELECT * FROM contact ORDER BY rowid"),
              query(source, "SELECT * FROM contact ORDER BY rowid"));

    // The same file again: its record ids are taken now.
    const Output again = importText(env, target, QByteArray::fromStdString(exported));
    EXPECT_EQ(again.err, "act-standin: line 2: the record id '" +
                             query(source, "SELECT f1 FROM contact ORDER BY rowid")[0] + "' is already taken\n");
    EXPECT_EQ(exportOf(target), exported);
}

TEST(ContactImporter, StoresValuesExactlyDerivesTheSortDateAndLeavesOtherFieldsEmpty) {
    TempEnvironment env;
    const QString db = newDatabase(env, u"db.actdb"_s);
    const QByteArray csv = "\xEF\xBB\xBF"
                           "Company,Notes,Record Manager,Create Date,Create Date (sort),(Empty Column),Record ID\r\n"
                           "\" Acme, Inc. \",\"line 1\r\nline 2\nsaid \"\"hi\"\" \",Bob Smith,03/14/2025 09:30,,,\r\n"
                           "Zoë & Co.,日本語,,14/03/2025,,,MYOWNID00001\r\n"
                           ",,Bob,03/01/2024,2024-03-01,,\r\n";
    const Output imported = importText(env, db, csv);
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    // Generated record ids are 12 characters and differ.
    EXPECT_EQ(query(db, "SELECT f2, f30, f6, f26, f79, f9, iif(f1 = 'MYOWNID00001', f1, length(f1)), "
                        "(SELECT COUNT(DISTINCT f1) FROM contact) FROM contact ORDER BY rowid"),
              (Rows{" Acme, Inc. |line 1\r\nline 2\nsaid \"hi\" |USR000000003|03/14/2025 09:30|2025-03-14||12|3",
                    "Zoë & Co.|日本語||14/03/2025|||MYOWNID00001|3", "||USR000000002|03/01/2024|2024-03-01||12|3"}));
}

TEST(ContactImporter, ABadLineOrFileIsNamedAndNothingIsImported) {
    TempEnvironment env;
    const QString db = newDatabase(env, u"db.actdb"_s, u"3"_s);
    const std::string taken = query(db, "SELECT f1 FROM contact ORDER BY rowid")[1];
    int files = 0;
    const auto csv = [&](const QByteArray& text) {
        return QStringList{db, writeFile(env.path(u"in%1.csv"_s.arg(++files)), text)};
    };
    const QString missing = env.path(u"missing.csv"_s), none = env.path(u"none.actdb"_s);
    const std::string badId = "' is not 12 characters without control characters";
    const std::pair<QStringList, std::string> cases[] = {
        {csv(""), "line 1: the file has no header row"},
        {csv("Company,Colour\nA,b\n"), "line 1: unknown field label 'Colour'"},
        {csv("company\nA\n"), "line 1: unknown field label 'company'"},
        {csv("Company,Title,Company\n"), "line 1: the field label 'Company' appears twice"},
        {csv("Company,Record Manager\nA,Bob\nB,bob smith\n"), "line 3: no user is named 'bob smith'"},
        {csv("Record ID,Company\nSHORT,A\n"), "line 2: the record id 'SHORT" + badId},
        {csv("Record ID\nABCDEFGHIJK\t\n"), "line 2: the record id 'ABCDEFGHIJK\\x09" + badId},
        {csv("Company,Record ID\nA,\nB," + QByteArray::fromStdString(taken) + "\n"),
         "line 3: the record id '" + taken + "' is already taken"},
        {csv("Record ID,Notes\nAAAAAAAAAAAA,x\nBBBBBBBBBBBB,\"two\nlines\"\nAAAAAAAAAAAA,y\n"),
         "line 5: the record id 'AAAAAAAAAAAA' is already taken"},
        {csv("Company,Title\nA,B\nC\n"), "line 3: 1 cells where the header has 2"},
        {csv("Company,Title\nA,B\n\nC,D\n"), "line 3: 1 cells where the header has 2"},
        {csv("Company\nok\nCaf\xE9\n"), "line 3: the text is not valid UTF-8"},
        {csv("(Empty Column),Company\n,A\nx,B\n"), "line 3: '(Empty Column)' has no values; its cells must be empty"},
        {csv("Create Date,Create Date (sort)\n03/14/2025 09:30,2025-03-15\n"),
         "line 2: Create Date (sort) '2025-03-15' is not the date part of Create Date; leave it empty, it is derived"},
        {{db, missing}, "cannot read '" + missing.toStdString() + "': No such file or directory"},
        {{db, env.root()}, "cannot read '" + env.root().toStdString() + "': it is a folder"},
        {{none, env.path(u"in2.csv"_s)}, "cannot open '" + none.toStdString() + "': no such file"},
    };
    const std::string before = exportOf(db);
    for (const auto& [arguments, error] : cases) {
        SCOPED_TRACE(error);
        const Output imported = run(QStringList{u"import"_s} + arguments);
        EXPECT_EQ(imported.exitCode, 1);
        EXPECT_EQ(imported.err, "act-standin: " + error + "\n");
        EXPECT_EQ(exportOf(db), before);
    }
    EXPECT_FALSE(QFile::exists(none));
    // A disk that fills during the import.
    const QStringList big = csv("Company\n" + QByteArray("A company of some length\n").repeated(20000));
    {
        const testing_support::FileSizeLimit full(QFileInfo(db).size());
        const Output imported = run(QStringList{u"import"_s} + big);
        EXPECT_EQ(imported.exitCode, 1) << imported.err;
    }
    EXPECT_EQ(exportOf(db), before);
}
