#include "core/platform/InstanceLock.h"
#include "core/settings/SettingsStore.h"
#include "standin/ActDatabaseFile.h"
#include "support/TempEnvironment.h"
#include "support/report/WorkbookReader.h"
#include "support/standin/StandinFixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

// GCC says so with macros of its own, clang only through __has_feature.
#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define TALLIVO_SANITIZED
#endif
#elif defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define TALLIVO_SANITIZED
#endif

using namespace Qt::StringLiterals;
using testing::HasSubstr;

namespace {

using Outcome = testing_support::ProgramOutput;

// Three contacts, two managed, over five users; reports in the program folder's Templates.
class TallivoRun : public ::testing::Test {
protected:
    TallivoRun() {
        const auto users = standin::ActDatabaseFile::create(env.path(u"users.actdb"_s).toStdString())->users();
        const std::string bob = users[1].uniqueId, dana = users[3].uniqueId;
        testing_support::openInStandin(testing_support::makeContactDatabase(
            env.path(u"contacts.actdb"_s),
            {{{2, "Acme, \"Big\" Ltd"}, {16, "Oslo"}, {24, "1,200.00"}, {26, "03/14/2024 09:30"}, {6, bob}},
             {{2, "Birch"}, {16, "lyon"}, {24, "95.50"}, {26, "12/01/2023 17:00"}, {6, dana}},
             {{2, "Cedar"}, {16, "Lima"}, {24, "300"}, {26, ""}}}));
        QDir(env.programFolder()).mkpath(u"Templates"_s);
        QDir(env.programFolder()).mkpath(u"CSV Files"_s);
        define(u"Revenue.DCS"_s,
               "Sort0=24;SortType0=N;SortOrder0=2;FieldsIncluded=2\f24\f26\f;FieldNamesIncluded=Company\f\"Rev\"\f");
        define(u"Dates.DXL"_s, "Sort0=26;SortType0=D;FieldsIncluded=2\f26\f");
        define(u"Dates.xlt"_s, "");
        define(u"Dates.DCS"_s, "Sort0=26;SortType0=D;FieldsIncluded=2\f26\f;FieldNamesIncluded=Company\fCreated\f");
    }

    QString program(const QString& relative) const { return QDir(env.programFolder()).filePath(relative); }
    std::string file(const QString& relative) const {
        return testing_support::readBytes(program(relative)).toStdString();
    }
    std::string setting(const char* section, const char* key) const {
        return core::SettingsStore()
            .GetSetting(QString::fromLatin1(section), QString::fromLatin1(key), u"<absent>"_s)
            .toStdString();
    }

    // A report definition in Templates, its lines separated by ';'.
    void define(const QString& name, const char* lines) const {
        ASSERT_TRUE(testing_support::writeBytes(program(u"Templates/"_s + name),
                                                QByteArray(lines).replace(';', "\r\n") + "\r\n"));
    }

    Outcome run(const QStringList& arguments) const { return testing_support::runBinary(u"tallivo-run"_s, arguments); }

    testing_support::TempEnvironment env;
};

} // namespace

TEST_F(TallivoRun, CsvExportTakesTheNamedUsersContactsSortedWithOneCaptionPerColumn) {
    const Outcome outcome = run({u"Revenue"_s, u"--output=csv"_s, u"--scope=all"_s, u"--users=Bob,Dana Reyes"_s});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
    // Revenue descending; a missing third caption falls back to the field's label; 26 keeps its date only; Cedar
    // has no manager.
    EXPECT_EQ(file(u"CSV Files/Revenue.CSV"_s), "\"Company\",\"\"\"Rev\"\"\",\"Create Date\"\r\n"
                                                "\"Acme, \"\"Big\"\" Ltd\",\"1,200.00\",\"03/14/2024\"\r\n"
                                                "\"Birch\",\"95.50\",\"12/01/2023\"\r\n");
    EXPECT_EQ(file(u"data.CSV"_s), file(u"CSV Files/Revenue.CSV"_s));
    EXPECT_EQ(setting("Report", "SortCol0"), "2");
}

TEST_F(TallivoRun, ExcelHandOffKeepsTheExtraSortColumnAndNamesTheRealTemplate) {
    const Outcome outcome = run({u"Dates"_s, u"--output=excel"_s, u"--scope=all"_s, u"--no-launch"_s});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
    // Sorted by field 79 in place of 26, ascending, the empty date first; no header line.
    EXPECT_EQ(file(u"data.CSV"_s), "\"Cedar\",\"\",\"\"\r\n"
                                   "\"Birch\",\"12/01/2023\",\"2023-12-01\"\r\n"
                                   "\"Acme, \"\"Big\"\" Ltd\",\"03/14/2024\",\"2024-03-14\"\r\n");
    EXPECT_EQ(setting("Report", "Path"), program(u"Templates/Dates.xlt"_s).toStdString());
    EXPECT_EQ(setting("Report", "SortCol0"), "3");
    EXPECT_EQ(setting("Report", "FieldTypes"), "2\f10\f7\f");
    EXPECT_EQ(setting("Settings", "Template"), "0");
    EXPECT_EQ(setting("Settings", "DataFile"), program(u"data.CSV"_s).toStdString());

    // The same report as CSV drops the extra column.
    ASSERT_EQ(run({u"Dates"_s, u"--output=csv"_s, u"--scope=all"_s}).exitCode, 0);
    EXPECT_EQ(file(u"CSV Files/Dates.CSV"_s),
              "\"Company\",\"Created\"\r\n\"Cedar\",\"\"\r\n"
              "\"Birch\",\"12/01/2023\"\r\n\"Acme, \"\"Big\"\" Ltd\",\"03/14/2024\"\r\n");
}

TEST_F(TallivoRun, ExitCodesAndMessages) {
    define(u"Empty.DCS"_s, "Sort0=0");
    define(u"Bad.DCS"_s, "Sort0=1;oops");
    define(u"Odd.DCS"_s, "FieldsIncluded=2\f777\f");
    define(u"Letters.DCS"_s, "FieldsIncluded=2\f;Sort0=abc");
    core::InstanceLock other;
    const QString dataFile = program(u"data.CSV"_s);
    const QString settings = env.path(u"config/Tallivo/Tallivo.conf"_s);
    const QByteArray binary("\x89PNG\r\n\x1a\n\0\0[\xff", 12);
    const struct {
        const char* arguments; // split at spaces; <root> is the test's own folder
        int exitCode;
        std::string message; // expected in stderr
        std::function<void()> arrange = {};
    } cases[] = {
        {"Revenue --colour", 2, "usage:"},
        // Before any run leaves a data file.
        {"Revenue --output=csv --scope=all", 5, "The data.CSV file can not be accessed. Make sure it is not open.",
         [&] { QDir().mkpath(dataFile); }},
        {"Revenue --output=csv --scope=all --to=<root>", 5, "The export could not be written",
         [&] { QDir().rmdir(dataFile); }},
        // A link to a device is not replaced by the export.
        {"Revenue --output=csv --scope=all --to=<root>/null", 5, "null: it is a link to something that is not",
         [&] { ASSERT_TRUE(QFile::link(u"/dev/null"_s, env.path(u"null"_s))); }},
        {"Dates --output=excel --scope=all --to=<root>/x.xlsx", 4, "is not a spreadsheet package"},
        {"Revenue --output=csv --users=bob", 2, "bob"},
        {"Revenue --output=csv --scope=current", 3, "There is no data to display or export!\n"},
        {"Empty --output=csv", 3, "Please check the settings for this report: no fields are to be included!"},
        // Report names are the names the report list shows for the output type, never paths.
        {"Nothing --output=csv", 2, "tallivo-run: there is no CSV report named \"Nothing\""},
        {"../Templates/Revenue --output=csv", 2, "usage:"},
        {"Revenue --output=excel", 2, "no Excel report named"},
        {"Letters --output=csv --scope=all", 4, "Sort0 holds something that is not a field number"},
        {"Bad --output=csv", 4, "Line 2"},
        {"Odd --output=csv --scope=all", 4, "777"},
        {"Revenue --output=csv", 7, "Please open an ACT database prior to running Tallivo!\n",
         [] { testing_support::openInStandin(QString()); }},
        // Checked before ACT!.
        {"Revenue --output=csv", 6, "An instance of this program is already running!\n",
         [&] { ASSERT_TRUE(other.tryLock()); }},
        {"Revenue --output=csv", 1, "cannot be taken: " + dataFile.toStdString() + " is not a folder",
         [&] { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dataFile)); }},
        // Checked first, once, and never written.
        {"Revenue --output=csv", 1, "Tallivo.conf cannot be used: it is not text. It is left as it is",
         [&] { ASSERT_TRUE(testing_support::writeBytes(settings, binary)); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        if (c.arrange)
            c.arrange();
        const Outcome outcome = run(QString::fromUtf8(c.arguments).replace(u"<root>"_s, env.root()).split(u' '));
        EXPECT_EQ(outcome.exitCode, c.exitCode) << outcome.err;
        EXPECT_THAT(outcome.err, HasSubstr(c.message));
    }
    EXPECT_EQ(testing_support::readBytes(settings), binary);
    EXPECT_TRUE(QFileInfo(u"/dev/null"_s).exists() && !QFileInfo(u"/dev/null"_s).isFile());
}

TEST_F(TallivoRun, AReportTooLargeForMemoryIsToldAndEndsTheRunWithExitCode1) {
#ifdef TALLIVO_SANITIZED
    GTEST_SKIP() << "a sanitizer's allocator ends the program when memory runs out";
#endif
    testing_support::openInStandin(testing_support::makeContactDatabase(
        env.path(u"many.actdb"_s), std::vector<testing_support::ContactValues>(5000, {{2, "Acme"}})));
    define(u"Wide.DCS"_s, QByteArray("FieldsIncluded=").append(QByteArray("2\f").repeated(16384)).constData());
    // Where the run needs under 150 MB, 5,000 rows of 16,384 columns need 655 MB for the cells' offsets alone.
    QProcess process;
    process.start(u"/bin/sh"_s, {u"-c"_s, u"ulimit -v 400000 && exec \"$0\" Wide --output=csv --scope=all"_s,
                                 testing_support::binary(u"tallivo-run"_s)});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(std::pair(process.exitStatus(), process.exitCode()), std::pair(QProcess::NormalExit, 1));
    EXPECT_THAT(process.readAllStandardError().toStdString(), HasSubstr("There is not enough memory for this report"));
}

TEST_F(TallivoRun, UnreadableStoredChoicesFallBackWithOneLineEach) {
    ASSERT_TRUE(core::SettingsStore().SaveSetting(u"Settings"_s, u"cboOutput"_s, u"csv"_s));
    ASSERT_TRUE(core::SettingsStore().SaveSetting(u"Settings"_s, u"Report2"_s, u"-1"_s));
    const Outcome outcome = run({u"Dates"_s, u"--no-launch"_s});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
    EXPECT_EQ(QString::fromStdString(outcome.err).count(u"cboOutput"_s), 1) << outcome.err;
    // The stored choices are read, never written.
    EXPECT_EQ(setting("Settings", "cboOutput"), "csv");
}

// Three levels, each sorted its own way, then record order; the workbook built in the same process.
TEST_F(TallivoRun, ExcelRunToAWorkbookSortsByEveryLevelAndBuildsIt) {
    testing_support::openInStandin(testing_support::makeContactDatabase(
        env.path(u"grouped.actdb"_s), {{{17, "NY"}, {16, "New York"}, {2, "Birch"}, {24, "10.00"}},
                                       {{17, "AZ"}, {16, "Phoenix"}, {2, "Acme"}, {24, "5.00"}},
                                       {{17, "NY"}, {16, "Albany"}, {2, "Cedar"}, {24, "7.50"}},
                                       {{17, "AZ"}, {16, "Phoenix"}, {2, "acme"}, {24, "1,000.00"}},
                                       {{17, "NY"}, {16, "New York"}, {2, "Acme"}, {24, "2.25"}},
                                       {{17, "AZ"}, {16, "Tucson"}, {2, "Dune"}, {24, "3"}}}));
    ASSERT_TRUE(QFile::copy(testing_support::binary(u"tlv_template.XLT"_s), program(u"Templates/Levels.XLT"_s)));
    define(u"Levels.DXL"_s, "FieldsIncluded=17\f16\f2\f24\f;FieldNamesIncluded=State\fCity\fCompany\fRevenue\f;"
                            "Header=1;TopLeftRow=3;Sort0=17;SortType0=S;Sort1=16;SortType1=S;SortOrder1=2;Sort2=2;"
                            "SortType2=S;Title0=1;Totals1=1;24CalcType1=1;TotalCaption99=Grand total;24CalcType99=1");
    const QString workbook = env.path(u"levels.xlsx"_s);
    const Outcome outcome = run({u"Levels"_s, u"--output=excel"_s, u"--scope=all"_s, u"--to"_s, workbook});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err;

    const QJsonValue sheet = testing_support::report::readWorkbook(workbook)[u"sheet"];
    // States ascending with a title each; cities descending with their sub-totals; companies ignoring case.
    testing_support::report::expectAt(sheet[u"cells"], testing_support::report::json(R"json({
        "A3.value": "State", "A4.value": "AZ", "C5.value": "Dune", "A6.value": "Total for Tucson :", "D6.value": 3,
        "C7.value": "Acme", "C8.value": "acme", "D8.value": 1000, "D9.value": 1005, "D9.formula": "=SUBTOTAL(9,D7:D8)",
        "A10.value": "NY", "C11.value": "Acme", "C12.value": "Birch", "D13.value": 12.25, "C14.value": "Cedar",
        "A16.value": "Grand total", "D16.value": 1027.75})json"));
    EXPECT_EQ(sheet[u"rows"][u"5"], QJsonValue(3));
    EXPECT_EQ(setting("Report", "FieldTypes"), "3\f1\f2\f6\f");
}
