#include "core/settings/SettingsStore.h"
#include "support/TempEnvironment.h"
#include "support/report/WorkbookReader.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <functional>

namespace {

// A hand-off as an Excel run leaves it: the working copy, Path, DataFile and data.CSV.
class TallivoLaunch : public ::testing::Test {
protected:
    TallivoLaunch() { arrangeHandOff(); }

    void arrangeHandOff() {
        QDir(env.programFolder()).mkpath(QStringLiteral("Templates"));
        QFile::remove(program(QStringLiteral("Templates/Cities.XLT")));
        QFile::copy(testing_support::binary(QStringLiteral("tlv_template.XLT")),
                    program(QStringLiteral("Templates/Cities.XLT")));
        writeData("\"Lima\",\"3\"\r\n\"Oslo\",\"1,200.50\"\r\n");
        store.ReplaceSection(QStringLiteral("Report"),
                             {{QStringLiteral("FieldsIncluded"), QStringLiteral("16\f24\f")},
                              {QStringLiteral("FieldTypes"), QStringLiteral("1\f6\f")},
                              {QStringLiteral("24CalcType99"), QStringLiteral("1")},
                              {QStringLiteral("Path"), program(QStringLiteral("Templates/Cities.XLT"))}});
        store.SaveSetting(QStringLiteral("Settings"), QStringLiteral("DataFile"), program(QStringLiteral("data.CSV")));
        store.SaveSetting(QStringLiteral("Settings"), QStringLiteral("Template"), QStringLiteral("0"));
    }

    QString program(const QString& relative) const { return QDir(env.programFolder()).filePath(relative); }

    void writeData(const QByteArray& bytes) const {
        QFile data(program(QStringLiteral("data.CSV")));
        ASSERT_TRUE(data.open(QIODevice::WriteOnly));
        data.write(bytes);
    }

    struct Outcome {
        int exitCode = -1;
        QString err;
    };

    Outcome launch() const {
        QProcess process;
        process.start(testing_support::binary(QStringLiteral("tallivo-launch")),
                      {program(QStringLiteral("LaunchIt.XLS")), QStringLiteral("--no-open")});
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
    }

    QStringList reports() const {
        return QDir(program(QStringLiteral("Excel Reports"))).entryList(QDir::Files | QDir::Hidden);
    }

    testing_support::TempEnvironment env;
    core::SettingsStore store;
};

} // namespace

TEST_F(TallivoLaunch, BuildsANewWorkbookEachTimeNeverOverAnEarlierOne) {
    for (int run = 1; run <= 2; ++run) {
        const Outcome outcome = launch();
        ASSERT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
        ASSERT_EQ(reports().size(), run);
    }
    const QString first = reports().constFirst();
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^Cities \d{4}-\d\d-\d\d \d\d\.\d\d\.\d\d( \(2\))?\.xlsx$)"))
                    .match(first)
                    .hasMatch())
        << first.toStdString();
    const QJsonObject sheet = testing_support::report::readWorkbook(program(QStringLiteral("Excel Reports/") + first));
    EXPECT_EQ(testing_support::report::jsonAt(sheet, QStringLiteral("sheet.cells.B2.value")), QJsonValue(1200.5));
    EXPECT_EQ(testing_support::report::jsonAt(sheet, QStringLiteral("sheet.cells.B3.value")), QJsonValue(1203.5));
}

TEST_F(TallivoLaunch, OpensATemplateForEditingAndClearsTheRequest) {
    store.SaveSetting(QStringLiteral("Settings"), QStringLiteral("Template"), QStringLiteral("1"));
    store.SaveSetting(QStringLiteral("Settings"), QStringLiteral("TemplatePath"),
                      program(QStringLiteral("Templates/Cities.XLT")));
    const Outcome outcome = launch();
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
    EXPECT_EQ(store.GetSetting(QStringLiteral("Settings"), QStringLiteral("Template")), QStringLiteral("0"));
    EXPECT_TRUE(reports().isEmpty());
}

TEST_F(TallivoLaunch, AnUnusableHandOffSaysWhyAndLeavesNoWorkbook) {
    const struct {
        const char* what;
        std::function<void()> arrange;
        int exitCode;
        const char* message;
    } cases[] = {
        {"no template named", [&] { store.DeleteSetting(QStringLiteral("Report"), QStringLiteral("Path")); }, 4,
         "named no Excel template"},
        {"template not a workbook",
         [&] {
             QFile::remove(program(QStringLiteral("Templates/Cities.XLT")));
             QFile::copy(program(QStringLiteral("data.CSV")), program(QStringLiteral("Templates/Cities.XLT")));
         },
         4, "is not a spreadsheet package"},
        {"data file missing", [&] { QFile::remove(program(QStringLiteral("data.CSV"))); }, 4, "is missing"},
        {"a row of another width", [&] { writeData("\"Lima\",\"3\"\r\n\"Oslo\"\r\n"); }, 4, "Line 2"},
        {"template to edit missing",
         [&] { store.SaveSetting(QStringLiteral("Settings"), QStringLiteral("Template"), QStringLiteral("1")); }, 4,
         "template to edit is missing"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        arrangeHandOff();
        c.arrange();
        const Outcome outcome = launch();
        EXPECT_EQ(outcome.exitCode, c.exitCode);
        EXPECT_TRUE(outcome.err.contains(QString::fromLatin1(c.message))) << outcome.err.toStdString();
        EXPECT_TRUE(reports().isEmpty()) << reports().join(u',').toStdString();
    }
}
