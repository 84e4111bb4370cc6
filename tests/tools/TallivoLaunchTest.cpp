#include "core/settings/SettingsStore.h"
#include "support/TempEnvironment.h"
#include "support/report/WorkbookReader.h"

#include <QDir>
#include <QFile>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// A hand-off as an Excel run leaves it: the working copy, Path, DataFile and data.CSV.
class TallivoLaunch : public ::testing::Test {
protected:
    TallivoLaunch() {
        QDir(env.programFolder()).mkpath(u"Templates"_s);
        QFile::copy(testing_support::binary(u"tlv_template.XLT"_s), program(u"Templates/Cities.XLT"_s));
        arrangeHandOff();
    }

    void arrangeHandOff() {
        writeData("\"Lima\",\"3\"\r\n\"Oslo\",\"1,200.50\"\r\n");
        store.ReplaceSection(u"Report"_s, {{u"FieldsIncluded"_s, u"16\f24\f"_s},
                                           {u"FieldTypes"_s, u"1\f6\f"_s},
                                           {u"24CalcType99"_s, u"1"_s},
                                           {u"Path"_s, program(u"Templates/Cities.XLT"_s)}});
        store.SaveSetting(u"Settings"_s, u"DataFile"_s, program(u"data.CSV"_s));
        store.SaveSetting(u"Settings"_s, u"Template"_s, u"0"_s);
    }

    QString program(const QString& relative) const { return QDir(env.programFolder()).filePath(relative); }
    void writeData(const QByteArray& bytes) const {
        ASSERT_TRUE(testing_support::writeBytes(program(u"data.CSV"_s), bytes));
    }
    QStringList reports() const { return QDir(program(u"Excel Reports"_s)).entryList(QDir::Files | QDir::Hidden); }

    // The exit code, and what went to stderr.
    std::pair<int, std::string> launch() const {
        const auto run = testing_support::runBinary(u"tallivo-launch"_s, {program(u"LaunchIt.XLS"_s), u"--no-open"_s});
        return {run.exitCode, run.err};
    }

    testing_support::TempEnvironment env;
    core::SettingsStore store;
};

} // namespace

TEST_F(TallivoLaunch, BuildsANewWorkbookEachTimeNeverOverAnEarlierOne) {
    for (int run = 1; run <= 2; ++run) {
        const auto [exitCode, err] = launch();
        ASSERT_EQ(exitCode, 0) << err;
        ASSERT_EQ(reports().size(), run);
    }
    const QString first = reports().constFirst();
    EXPECT_THAT(first.toStdString(),
                testing::MatchesRegex(R"(Cities [0-9]{4}(-[0-9]{2}){2} [0-9]{2}(\.[0-9]{2}){2}( \(2\))?\.xlsx)"));
    testing_support::report::expectAt(
        testing_support::report::readWorkbook(program(u"Excel Reports/"_s + first))[u"sheet"][u"cells"],
        testing_support::report::json(R"({"B2.value": 1200.5, "B3.value": 1203.5})"));
}

TEST_F(TallivoLaunch, OpensATemplateForEditingAndClearsTheRequest) {
    store.SaveSetting(u"Settings"_s, u"Template"_s, u"1"_s);
    store.SaveSetting(u"Settings"_s, u"TemplatePath"_s, program(u"Templates/Cities.XLT"_s));
    EXPECT_EQ(launch(), std::pair(0, std::string()));
    EXPECT_EQ(store.GetSetting(u"Settings"_s, u"Template"_s), u"0"_s);
    EXPECT_TRUE(reports().isEmpty());
}

// A template that is no workbook is the workbook writer's to name.
TEST_F(TallivoLaunch, AnUnusableHandOffSaysWhyAndLeavesNoWorkbook) {
    const struct {
        const char* message;
        std::function<void()> arrange;
    } cases[] = {
        {"named no Excel template", [&] { store.DeleteSetting(u"Report"_s, u"Path"_s); }},
        {"data.CSV is missing.", [&] { QFile::remove(program(u"data.CSV"_s)); }},
        {"Line 2 of the data file", [&] { writeData("\"Lima\",\"3\"\r\n\"Oslo\"\r\n"); }},
        {"template to edit is missing", [&] { store.SaveSetting(u"Settings"_s, u"Template"_s, u"1"_s); }},
    };
    for (const auto& [message, arrange] : cases) {
        arrangeHandOff();
        arrange();
        const auto [exitCode, err] = launch();
        EXPECT_EQ(exitCode, 4) << message;
        EXPECT_THAT(err, testing::HasSubstr(message));
        EXPECT_TRUE(reports().isEmpty()) << reports().join(u',').toStdString();
    }
}
