#include "MainWindowFixture.h"

#include "core/settings/SettingsStore.h"
#include "support/standin/StandinFixtures.h"

#include <QDir>
#include <QFile>
#include <QProgressDialog>
#include <QTest>

using testing_support::MainWindowFixture;

namespace {

const QString Definition = QStringLiteral("FieldsIncluded=16\f2\f\r\nFieldNamesIncluded=City\fCompany\f\r\n"
                                          "Sort0=16\r\nSortType0=S\r\nSortOrder0=1\r\n");

} // namespace

class RunTest : public MainWindowFixture {
protected:
    RunTest() {
        for (const char* name : {"Contacts by City.DXL", "agenda.DXL", "Phone List.DCS"}) {
            QFile file(QDir(env.programFolder()).filePath(QStringLiteral("Templates/") + QString::fromLatin1(name)));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(Definition.toUtf8());
        }
        store(QStringLiteral("Report2"), QStringLiteral("-1")); // all contacts
        store(QStringLiteral("Report1"), QStringLiteral("0"));
    }

    void clickRun() { QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdOK")), Qt::LeftButton); }
    QByteArray read(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QString dataFile() const { return QDir(env.programFolder()).filePath(QStringLiteral("data.CSV")); }
};

TEST_F(RunTest, NothingSelectedAsksForAReportAndShowsTheFirstTab) {
    store(QStringLiteral("ReportsListIndex"), QStringLiteral("-1"));
    start();
    child<QTabWidget>(QStringLiteral("mstSSTab"))->setCurrentIndex(1);
    platform.expectMessage(QStringLiteral("You need to select a report!"));
    clickRun();
    EXPECT_EQ(child<QTabWidget>(QStringLiteral("mstSSTab"))->currentIndex(), 0);
    EXPECT_EQ(platform.messages.back().title, QStringLiteral("Tallivo"));
    EXPECT_FALSE(QFile::exists(dataFile()));
}

TEST_F(RunTest, ExcelRunHandsOffToTheLauncherAndEnds) {
    start();
    clickRun();
    EXPECT_EQ(read(dataFile()), QByteArray("\"Lima\",\"\"\r\n\"Lyon\",\"\"\r\n\"Oslo\",\"\"\r\n"));
    ASSERT_EQ(platform.shellOpens.size(), 1u);
    EXPECT_EQ(platform.shellOpens[0].verb, QStringLiteral("open"));
    EXPECT_EQ(platform.shellOpens[0].file, QDir(env.programFolder()).filePath(QStringLiteral("LaunchIt.XLS")));
    EXPECT_EQ(platform.shellOpens[0].folder, env.programFolder());
    EXPECT_EQ(core::SettingsStore().GetSetting(QStringLiteral("Report"), QStringLiteral("Path")),
              QDir(env.programFolder()).filePath(QStringLiteral("Templates/agenda.XLT")));
    EXPECT_EQ(platform.endings, std::vector<int>{0});
}

TEST_F(RunTest, ExcelRunWhoseLauncherCannotBeOpenedKeepsTheWindow) {
    start();
    platform.setShellAccepts(false);
    platform.expectMessage(QStringLiteral("The report is ready, but %1 could not be opened.")
                               .arg(QDir(env.programFolder()).filePath(QStringLiteral("LaunchIt.XLS"))));
    clickRun();
    EXPECT_TRUE(platform.endings.empty());
    EXPECT_TRUE(m_window->isVisible());
}

TEST_F(RunTest, CsvRunSavesWhereTheUserSaysOrNowhereWhenCancelled) {
    store(QStringLiteral("cboOutput"), QStringLiteral("1"));
    start();
    platform.expectSaveFile(std::nullopt);
    clickRun();
    ASSERT_EQ(platform.saveRequests.size(), 1u);
    EXPECT_EQ(platform.saveRequests[0].initialPath, QDir(env.programFolder()).filePath(QStringLiteral("CSV Files")));
    EXPECT_EQ(platform.saveRequests[0].filter, QStringLiteral("CSV Files (*.CSV)"));
    EXPECT_EQ(platform.saveRequests[0].defaultSuffix, QStringLiteral("CSV"));
    EXPECT_EQ(platform.saveRequests[0].name, QStringLiteral("dlgCSV"));
    EXPECT_TRUE(platform.endings.empty());

    const QString chosen = env.path(QStringLiteral("export"));
    platform.expectSaveFile(chosen);
    clickRun();
    EXPECT_EQ(read(chosen + QStringLiteral(".CSV")),
              QByteArray("\"City\",\"Company\"\r\n\"Lima\",\"\"\r\n\"Lyon\",\"\"\r\n\"Oslo\",\"\"\r\n"));
    EXPECT_EQ(read(chosen + QStringLiteral(".CSV")), read(dataFile()));
    EXPECT_EQ(platform.endings, std::vector<int>{0});
}

TEST_F(RunTest, MissingDefinitionAndEmptyReportKeepTheWindowOpen) {
    start();
    QFile::remove(QDir(env.programFolder()).filePath(QStringLiteral("Templates/agenda.DXL")));
    platform.expectMessage(QStringLiteral("The definition file for this report is missing!"));
    platform.expectMessage(QStringLiteral("Unable to access this report definition file!"));
    clickRun();
    EXPECT_EQ(platform.messages[0].icon, gui::MessageIcon::Exclamation);
    EXPECT_EQ(platform.messages[1].icon, gui::MessageIcon::None);

    child<QListWidget>(QStringLiteral("lstReports"))->setCurrentRow(1);
    QTest::mouseClick(child<QRadioButton>(QStringLiteral("optReport(0)")), Qt::LeftButton, {}, QPoint(6, 8));
    platform.expectMessage(QStringLiteral("There is no data to display or export!"));
    clickRun();
    EXPECT_EQ(platform.messages.back().title, QStringLiteral("Empty Report"));
    EXPECT_EQ(platform.messages.back().icon, gui::MessageIcon::Exclamation);
    EXPECT_TRUE(platform.endings.empty());
}

TEST_F(RunTest, CancellingTheProgressDialogKeepsThePreviousDataFile) {
    QFile previous(dataFile());
    ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
    previous.write("\"previous\"\r\n");
    previous.close();
    start().setProgressDelay(0);
    QTimer canceller;
    QObject::connect(&canceller, &QTimer::timeout, m_window.get(), [this] {
        if (auto* progress = m_window->findChild<QProgressDialog*>(QStringLiteral("frmProgress")))
            progress->cancel();
    });
    canceller.start(0);
    clickRun();
    canceller.stop();
    EXPECT_EQ(read(dataFile()), QByteArray("\"previous\"\r\n"));
    EXPECT_TRUE(platform.shellOpens.empty());
    EXPECT_TRUE(platform.endings.empty());
    EXPECT_TRUE(m_window->isVisible());
}
