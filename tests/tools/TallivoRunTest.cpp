#include "core/platform/InstanceLock.h"
#include "core/settings/SettingsStore.h"
#include "standin/ActDatabaseFile.h"
#include "support/TempEnvironment.h"
#include "support/report/WorkbookReader.h"
#include "support/standin/StandinFixtures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using testing_support::ContactValues;

namespace {

struct Outcome {
    int exitCode = -1;
    QString err;
};

// Three contacts, two managed, over five users; reports in the program folder's Templates.
class TallivoRun : public ::testing::Test {
protected:
    TallivoRun() {
        auto users = standin::ActDatabaseFile::create(env.path(QStringLiteral("users.actdb")).toStdString())->users();
        bob = users[1].uniqueId;
        dana = users[3].uniqueId;
        database = testing_support::makeContactDatabase(
            env.path(QStringLiteral("contacts.actdb")),
            {{{2, "Acme, \"Big\" Ltd"}, {16, "Oslo"}, {24, "1,200.00"}, {26, "03/14/2024 09:30"}, {6, bob}},
             {{2, "Birch"}, {16, "lyon"}, {24, "95.50"}, {26, "12/01/2023 17:00"}, {6, dana}},
             {{2, "Cedar"}, {16, "Lima"}, {24, "300"}, {26, ""}}});
        testing_support::openInStandin(database);
        QDir(env.programFolder()).mkpath(QStringLiteral("Templates"));
        QDir(env.programFolder()).mkpath(QStringLiteral("CSV Files"));
        define(QStringLiteral("Revenue.DCS"),
               {QStringLiteral("Sort0=24"), QStringLiteral("SortType0=N"), QStringLiteral("SortOrder0=2"),
                QStringLiteral("FieldsIncluded=2\f24\f26\f"), QStringLiteral("FieldNamesIncluded=Company\f\"Rev\"\f")});
        define(QStringLiteral("Dates.DXL"),
               {QStringLiteral("Sort0=26"), QStringLiteral("SortType0=D"), QStringLiteral("FieldsIncluded=2\f26\f")});
        define(QStringLiteral("Dates.xlt"), {});
        define(QStringLiteral("Dates.DCS"),
               {QStringLiteral("Sort0=26"), QStringLiteral("SortType0=D"), QStringLiteral("FieldsIncluded=2\f26\f"),
                QStringLiteral("FieldNamesIncluded=Company\fCreated\f")});
    }

    void define(const QString& file, const QStringList& lines) const {
        QFile out(QDir(env.programFolder()).filePath(QStringLiteral("Templates/") + file));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        for (const QString& line : lines)
            out.write(line.toUtf8() + "\r\n");
    }

    Outcome run(const QStringList& arguments) const {
        QProcess process;
        process.start(testing_support::binary(QStringLiteral("tallivo-run")), arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
    }

    QByteArray file(const QString& relative) const {
        QFile in(QDir(env.programFolder()).filePath(relative));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
    }

    QString report(const QString& key) const {
        return core::SettingsStore().GetSetting(QStringLiteral("Report"), key, QStringLiteral("<absent>"));
    }

    testing_support::TempEnvironment env;
    QString database;
    std::string bob, dana;
};

} // namespace

TEST_F(TallivoRun, CsvExportIsSortedQuotedAndHasOneCaptionPerColumn) {
    const Outcome outcome = run({QStringLiteral("Revenue"), QStringLiteral("--output"), QStringLiteral("csv"),
                                 QStringLiteral("--scope"), QStringLiteral("all")});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
    // Revenue descending; a missing third caption falls back to the field's label; 26 keeps its date only.
    EXPECT_EQ(file(QStringLiteral("CSV Files/Revenue.CSV")),
              QByteArray("\"Company\",\"\"\"Rev\"\"\",\"Create Date\"\r\n"
                         "\"Acme, \"\"Big\"\" Ltd\",\"1,200.00\",\"03/14/2024\"\r\n"
                         "\"Cedar\",\"300\",\"\"\r\n"
                         "\"Birch\",\"95.50\",\"12/01/2023\"\r\n"));
    EXPECT_EQ(file(QStringLiteral("data.CSV")), file(QStringLiteral("CSV Files/Revenue.CSV")));
    EXPECT_EQ(core::SettingsStore().GetSetting(QStringLiteral("Settings"), QStringLiteral("DataFile")),
              QDir(env.programFolder()).filePath(QStringLiteral("data.CSV")));
    EXPECT_EQ(report(QStringLiteral("SortCol0")), QStringLiteral("2"));
}

TEST_F(TallivoRun, ExcelHandOffKeepsTheExtraSortColumnAndNamesTheRealTemplate) {
    const Outcome outcome = run({QStringLiteral("Dates"), QStringLiteral("--output"), QStringLiteral("excel"),
                                 QStringLiteral("--scope"), QStringLiteral("all"), QStringLiteral("--no-launch")});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
    // Sorted by field 79 in place of 26, ascending, the empty date first; no header line.
    EXPECT_EQ(file(QStringLiteral("data.CSV")),
              QByteArray("\"Cedar\",\"\",\"\"\r\n"
                         "\"Birch\",\"12/01/2023\",\"2023-12-01\"\r\n"
                         "\"Acme, \"\"Big\"\" Ltd\",\"03/14/2024\",\"2024-03-14\"\r\n"));
    EXPECT_EQ(report(QStringLiteral("Path")),
              QDir(env.programFolder()).filePath(QStringLiteral("Templates/Dates.xlt")));
    EXPECT_EQ(report(QStringLiteral("SortCol0")), QStringLiteral("3"));
    EXPECT_EQ(report(QStringLiteral("FieldTypes")), QStringLiteral("2\f10\f7\f"));
    EXPECT_EQ(core::SettingsStore().GetSetting(QStringLiteral("Settings"), QStringLiteral("Template")),
              QStringLiteral("0"));

    // The same report as CSV drops the extra column.
    ASSERT_EQ(run({QStringLiteral("Dates"), QStringLiteral("--output"), QStringLiteral("csv"),
                   QStringLiteral("--scope"), QStringLiteral("all")})
                  .exitCode,
              0);
    EXPECT_EQ(file(QStringLiteral("CSV Files/Dates.CSV")).split('\n').at(1), QByteArray("\"Cedar\",\"\"\r"));
}

TEST_F(TallivoRun, ManagerFilterTakesOnlyContactsOfTheNamedUsers) {
    const Outcome outcome =
        run({QStringLiteral("Revenue"), QStringLiteral("--output"), QStringLiteral("csv"), QStringLiteral("--scope"),
             QStringLiteral("all"), QStringLiteral("--users"), QStringLiteral("Bob,Dana Reyes"), QStringLiteral("--to"),
             env.path(QStringLiteral("x.csv"))});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
    QFile out(env.path(QStringLiteral("x.csv")));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const QByteArray text = out.readAll();
    EXPECT_TRUE(text.contains("Acme"));
    EXPECT_TRUE(text.contains("Birch"));
    EXPECT_FALSE(text.contains("Cedar")) << "an unmanaged contact was taken";
}

TEST_F(TallivoRun, ExitCodesAndMessages) {
    struct Case {
        const char* name;
        std::function<void()> arrange;
        QStringList arguments;
        int exitCode;
        QString message; // expected in stderr
    };
    core::InstanceLock other;
    const QString csv = QStringLiteral("--output=csv");
    const Case cases[] = {
        {"unknown option", {}, {QStringLiteral("Revenue"), QStringLiteral("--colour")}, 2, QStringLiteral("usage:")},
        {"a template that is not a workbook",
         {},
         {QStringLiteral("Dates"), QStringLiteral("--output=excel"), QStringLiteral("--scope=all"),
          QStringLiteral("--to=x.xlsx")},
         4,
         QStringLiteral("is not a spreadsheet package")},
        {"unknown user", {}, {QStringLiteral("Revenue"), csv, QStringLiteral("--users=bob")}, 2, QStringLiteral("bob")},
        {"no current contact",
         {},
         {QStringLiteral("Revenue"), csv, QStringLiteral("--scope=current")},
         3,
         QStringLiteral("There is no data to display or export!\n")},
        {"no fields",
         [this] { define(QStringLiteral("Empty.DCS"), {QStringLiteral("Sort0=0")}); },
         {QStringLiteral("Empty"), csv},
         3,
         QStringLiteral("Please check the settings for this report: no fields are to be included!")},
        {"missing definition",
         {},
         {QStringLiteral("Nothing"), csv},
         4,
         QStringLiteral(
             "The definition file for this report is missing!\nUnable to access this report definition file!")},
        {"bad line",
         [this] {
             define(QStringLiteral("Bad.DCS"), {QStringLiteral("Sort0=1"), QStringLiteral("oops")});
         },
         {QStringLiteral("Bad"), csv},
         4,
         QStringLiteral("Line 2")},
        {"unknown field",
         [this] { define(QStringLiteral("Odd.DCS"), {QStringLiteral("FieldsIncluded=2\f777\f")}); },
         {QStringLiteral("Odd"), csv, QStringLiteral("--scope=all")},
         4,
         QStringLiteral("777")},
        {"Excel without template",
         [this] { define(QStringLiteral("Bare.DXL"), {QStringLiteral("FieldsIncluded=2\f")}); },
         {QStringLiteral("Bare"), QStringLiteral("--output=excel")},
         4,
         QStringLiteral("template")},
        {"data file not writable",
         [this] {
             QFile::remove(QDir(env.programFolder()).filePath(QStringLiteral("data.CSV")));
             QDir(env.programFolder()).mkpath(QStringLiteral("data.CSV"));
         },
         {QStringLiteral("Revenue"), csv, QStringLiteral("--scope=all")},
         5,
         QStringLiteral("The data.CSV file can not be accessed. Make sure it is not open.")},
        {"export not writable",
         [this] {
             QDir(env.programFolder()).rmdir(QStringLiteral("data.CSV"));
             QDir(env.root()).mkpath(QStringLiteral("taken"));
         },
         {QStringLiteral("Revenue"), csv, QStringLiteral("--scope=all"), QStringLiteral("--to"),
          env.path(QStringLiteral("taken"))},
         5,
         QStringLiteral("The export could not be written")},
        {"lock held",
         [&] { ASSERT_TRUE(other.tryLock()); },
         {QStringLiteral("Revenue"), csv},
         6,
         QStringLiteral("An instance of this program is already running!\n")},
        {"no database open",
         [&] {
             other.unlock();
             testing_support::openInStandin(QString());
         },
         {QStringLiteral("Revenue"), csv},
         7,
         QStringLiteral("Please open an ACT database prior to running Tallivo!\n")},
    };
    for (const Case& c : cases) {
        if (c.arrange)
            c.arrange();
        const Outcome outcome = run(c.arguments);
        EXPECT_EQ(outcome.exitCode, c.exitCode) << c.name << ": " << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.contains(c.message)) << c.name << ": " << outcome.err.toStdString();
    }
}

TEST_F(TallivoRun, UnreadableStoredChoicesFallBackWithOneLineEach) {
    ASSERT_TRUE(core::SettingsStore().SaveSetting(QStringLiteral("Settings"), QStringLiteral("cboOutput"),
                                                  QStringLiteral("csv")));
    ASSERT_TRUE(
        core::SettingsStore().SaveSetting(QStringLiteral("Settings"), QStringLiteral("Report2"), QStringLiteral("-1")));
    const Outcome outcome = run({QStringLiteral("Dates"), QStringLiteral("--no-launch")});
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
    EXPECT_EQ(outcome.err.count(QStringLiteral("cboOutput")), 1);
    // The stored choices are read, never written.
    EXPECT_EQ(core::SettingsStore().GetSetting(QStringLiteral("Settings"), QStringLiteral("cboOutput")),
              QStringLiteral("csv"));
}

// Three levels, each sorted its own way, then record order; the workbook built in the same process.
TEST_F(TallivoRun, ExcelRunToAWorkbookSortsByEveryLevelAndBuildsIt) {
    const QString grouped = env.path(QStringLiteral("grouped.actdb"));
    testing_support::makeContactDatabase(grouped, {{{17, "NY"}, {16, "New York"}, {2, "Birch"}, {24, "10.00"}},
                                                   {{17, "AZ"}, {16, "Phoenix"}, {2, "Acme"}, {24, "5.00"}},
                                                   {{17, "NY"}, {16, "Albany"}, {2, "Cedar"}, {24, "7.50"}},
                                                   {{17, "AZ"}, {16, "Phoenix"}, {2, "acme"}, {24, "1,000.00"}},
                                                   {{17, "NY"}, {16, "New York"}, {2, "Acme"}, {24, "2.25"}},
                                                   {{17, "AZ"}, {16, "Tucson"}, {2, "Dune"}, {24, "3"}}});
    testing_support::openInStandin(grouped);
    ASSERT_TRUE(QFile::copy(testing_support::binary(QStringLiteral("tlv_template.XLT")),
                            QDir(env.programFolder()).filePath(QStringLiteral("Templates/Levels.XLT"))));
    define(QStringLiteral("Levels.DXL"),
           {QStringLiteral("FieldsIncluded=17\f16\f2\f24\f"),
            QStringLiteral("FieldNamesIncluded=State\fCity\fCompany\fRevenue\f"), QStringLiteral("Header=1"),
            QStringLiteral("TopLeftRow=3"), QStringLiteral("Sort0=17"), QStringLiteral("SortType0=S"),
            QStringLiteral("Sort1=16"), QStringLiteral("SortType1=S"), QStringLiteral("SortOrder1=2"),
            QStringLiteral("Sort2=2"), QStringLiteral("SortType2=S"), QStringLiteral("Title0=1"),
            QStringLiteral("Totals1=1"), QStringLiteral("24CalcType1=1"), QStringLiteral("TotalCaption99=Grand total"),
            QStringLiteral("24CalcType99=1")});
    const QString workbook = env.path(QStringLiteral("levels.xlsx"));
    const Outcome outcome = run({QStringLiteral("Levels"), QStringLiteral("--output=excel"),
                                 QStringLiteral("--scope=all"), QStringLiteral("--to"), workbook});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();

    const QJsonObject sheet = testing_support::report::readWorkbook(workbook);
    const auto cell = [&](const char* reference) {
        return testing_support::report::jsonAt(sheet,
                                               QStringLiteral("sheet.cells.%1.value").arg(QLatin1String(reference)));
    };
    // States ascending with a title each; cities descending with their sub-totals; companies ignoring case.
    const std::vector<std::pair<const char*, QJsonValue>> expected{{"A3", QStringLiteral("State")},
                                                                   {"A4", QStringLiteral("AZ")},
                                                                   {"C5", QStringLiteral("Dune")},
                                                                   {"A6", QStringLiteral("Total for Tucson :")},
                                                                   {"D6", 3},
                                                                   {"C7", QStringLiteral("Acme")},
                                                                   {"C8", QStringLiteral("acme")},
                                                                   {"D8", 1000},
                                                                   {"D9", 1005},
                                                                   {"A10", QStringLiteral("NY")},
                                                                   {"C11", QStringLiteral("Acme")},
                                                                   {"C12", QStringLiteral("Birch")},
                                                                   {"D13", 12.25},
                                                                   {"C14", QStringLiteral("Cedar")},
                                                                   {"A16", QStringLiteral("Grand total")},
                                                                   {"D16", 1027.75}};
    for (const auto& [reference, value] : expected)
        EXPECT_EQ(cell(reference), value) << reference;
    EXPECT_EQ(testing_support::report::jsonAt(sheet, QStringLiteral("sheet.cells.D9.formula")),
              QJsonValue(QStringLiteral("=SUBTOTAL(9,D7:D8)")));
    EXPECT_EQ(testing_support::report::jsonAt(sheet, QStringLiteral("sheet.rows.5")), QJsonValue(3));
    EXPECT_EQ(report(QStringLiteral("FieldTypes")), QStringLiteral("3\f1\f2\f6\f"));
}
