#include "support/gui/MainWindowFixture.h"

#include <QProgressDialog>

using namespace Qt::StringLiterals;

namespace {

// Runs cover ACT!'s current lookup, which is all contacts.
class RunTest : public testing_support::MainWindowFixture {
protected:
    void clickRun() { QTest::mouseClick(child<QPushButton>(u"cmdOK"_s), Qt::LeftButton); }
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QString dataFile() const { return env.programFolder() + u"/data.CSV"_s; }
};

TEST_F(RunTest, RunOrEnterWithNoReportSelectedAsksForOneOnTheFirstTab) {
    store({{u"ReportsListIndex"_s, u"-1"_s}});
    start();
    auto* tabs = child<QTabWidget>(u"mstSSTab"_s);
    QWidget* reports = child(u"lstReports"_s);
    // A main window has no default button: Enter presses the focused button, or else Run.
    const std::function<void()> triggers[] = {[&] { clickRun(); }, [&] { QTest::keyClick(reports, Qt::Key_Return); },
                                              [&] { QTest::keyClick(window.get(), Qt::Key_Enter); }};
    for (const auto& trigger : triggers) {
        tabs->setCurrentIndex(1);
        reports->setFocus();
        platform.expectMessage(u"You need to select a report!"_s);
        trigger();
        EXPECT_EQ(tabs->currentIndex(), 0);
    }
    EXPECT_FALSE(QFile::exists(dataFile()));

    QWidget* close = child(u"cmdCancel"_s);
    close->setFocus();
    QTest::keyClick(close, Qt::Key_Return);
    EXPECT_EQ(platform.endings, std::vector<int>{0});
    EXPECT_FALSE(window->isVisible());
}

TEST_F(RunTest, ExcelRunHandsOffToTheLauncherAndEnds) {
    start();
    clickRun();
    EXPECT_EQ(read(dataFile()), QByteArray("\"Lima\",\"\"\r\n\"Lyon\",\"\"\r\n\"Oslo\",\"\"\r\n"));
    ASSERT_EQ(platform.shellOpens.size(), 1u);
    EXPECT_TRUE(platform.shellOpens[0].file.endsWith(u"/LaunchIt.XLS"_s));
    EXPECT_EQ(platform.endings, std::vector<int>{0});
}

TEST_F(RunTest, AFailedRunKeepsTheWindow) {
    start();
    platform.setShellAccepts(false);
    platform.expectMessage(
        u"The report is ready, but %1 could not be opened."_s.arg(env.programFolder() + u"/LaunchIt.XLS"_s));
    clickRun();
    QFile::remove(reportFolder + u"/agenda.DXL"_s);
    platform.expectMessage(u"The definition file for this report is missing!"_s);
    platform.expectMessage(u"Unable to access this report definition file!"_s);
    clickRun();
    EXPECT_EQ(platform.messages[1].icon, gui::MessageIcon::Exclamation);
    EXPECT_EQ(platform.messages[2].icon, gui::MessageIcon::None);
    EXPECT_TRUE(platform.endings.empty());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(RunTest, CsvRunSavesWhereTheUserSaysOrNowhereWhenCancelled) {
    store({{u"cboOutput"_s, u"1"_s}});
    start();
    platform.expectSaveFile(std::nullopt);
    clickRun();
    EXPECT_TRUE(platform.endings.empty());

    // A name without an extension gets ".CSV".
    const QString chosen = env.path(u"export"_s);
    platform.expectSaveFile(chosen);
    clickRun();
    EXPECT_EQ(read(chosen + u".CSV"_s),
              QByteArray("\"City\",\"Company\"\r\n\"Lima\",\"\"\r\n\"Lyon\",\"\"\r\n\"Oslo\",\"\"\r\n"));
    EXPECT_EQ(platform.endings, std::vector<int>{0});
}

TEST_F(RunTest, CancellingTheProgressDialogKeepsThePreviousDataFile) {
    writeFile(dataFile(), u"\"previous\"\r\n"_s);
    start().setProgressDelay(0);
    QTimer canceller;
    QObject::connect(&canceller, &QTimer::timeout, window.get(), [this] {
        if (auto* progress = child<QProgressDialog>(u"frmProgress"_s))
            progress->cancel();
    });
    canceller.start(0);
    clickRun();
    canceller.stop();
    EXPECT_EQ(read(dataFile()), QByteArray("\"previous\"\r\n"));
    EXPECT_TRUE(platform.shellOpens.empty());
    EXPECT_TRUE(platform.endings.empty());
    EXPECT_TRUE(window->isVisible());
}

} // namespace
