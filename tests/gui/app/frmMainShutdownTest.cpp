#include "MainWindowFixture.h"

#include "support/standin/StandinFixtures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>

using testing_support::MainWindowFixture;
using testing_support::texts;

class ShutdownTest : public MainWindowFixture {};

TEST_F(ShutdownTest, RestartClosesTheDatabaseReopensItThroughTheShellAndEndsOnTheSecondTick) {
    gui::frmMain& window = start();
    window.setRestartFlag(true);
    QElapsedTimer clock;
    clock.start();
    window.Form_Unload();
    // ACT! command 150 closed the database before the shell reopened it.
    EXPECT_EQ(testing_support::standinState("database"), "");
    EXPECT_EQ(testing_support::standinState("running"), "1");
    EXPECT_EQ(setting(QStringLiteral("cboOutput")), QStringLiteral("0"));
    ASSERT_EQ(platform.shellOpens.size(), 1u);
    EXPECT_EQ(platform.shellOpens[0].verb, QStringLiteral("open"));
    EXPECT_EQ(platform.shellOpens[0].file, database);
    EXPECT_EQ(platform.shellOpens[0].parameters, QString());
    EXPECT_EQ(platform.shellOpens[0].folder, env.programFolder());
    EXPECT_EQ(platform.shellOpens[0].showCode, 5);
    EXPECT_FALSE(window.isVisible());

    // A close request now is acknowledged but not obeyed: the timer ends the program.
    testing_support::requestClose();
    QTest::qWait(1500);
    EXPECT_TRUE(platform.endings.empty()) << "ended on the first tick";
    ASSERT_TRUE(waitFor([&] { return !platform.endings.empty(); }, 2000));
    EXPECT_GE(clock.elapsed(), 1900);
    EXPECT_EQ(platform.endings, std::vector<int>{0});
}

TEST_F(ShutdownTest, CloseRequestFromActSavesAndEnds) {
    start();
    child<QComboBox>(QStringLiteral("cboOutput"))->setCurrentIndex(1);
    testing_support::requestClose();
    ASSERT_TRUE(waitFor([&] { return !platform.endings.empty(); }, 1500));
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(setting(QStringLiteral("cboOutput")), QStringLiteral("1"));
    // Acknowledged (then unregistered at release).
    const std::string client = "client." + std::to_string(QCoreApplication::applicationPid());
    EXPECT_EQ(testing_support::standinState(client), "");
}

TEST_F(ShutdownTest, CloseRequestWhileADialogIsOpenWaitsForTheDialog) {
    start();
    bool stillOpenUnderDialog = false;
    QTimer::singleShot(0, m_window.get(), [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        testing_support::requestClose();
        // Acknowledged at once, carried out later.
        const std::string client = "client." + std::to_string(QCoreApplication::applicationPid());
        EXPECT_TRUE(QTest::qWaitFor([&] { return testing_support::standinState(client) == "1"; }, 1500));
        QTest::qWait(300);
        stillOpenUnderDialog = m_window->isVisible() && platform.endings.empty();
        dialog->close();
    });
    child<QAction>(QStringLiteral("mnuTemplateFolder"))->trigger();
    EXPECT_TRUE(stillOpenUnderDialog);
    ASSERT_TRUE(waitFor([&] { return !platform.endings.empty(); }, 1500));
    EXPECT_FALSE(m_window->isVisible());
}

TEST_F(ShutdownTest, UnusableStoredValuesAreReportedOnceAndStartupFinishes) {
    store(QStringLiteral("cboOutput"), QStringLiteral("CSV"));
    store(QStringLiteral("ReportsListIndex"), QStringLiteral("-2"));
    store(QStringLiteral("Report0"), QStringLiteral("yes"));
    store(QStringLiteral("ManagedBy1"), QStringLiteral("1.5"));
    platform.expectErrorBox(13, QStringLiteral("Type mismatch"), QStringLiteral("frmMain"),
                            QStringLiteral("Form_Load"));
    platform.expectErrorBox(380, QStringLiteral("Invalid property value"), QStringLiteral("frmMain"),
                            QStringLiteral("Form_Load"));
    platform.expectErrorBox(13, QStringLiteral("Type mismatch"), QStringLiteral("frmMain"),
                            QStringLiteral("Form_Load"));
    platform.expectErrorBox(13, QStringLiteral("Type mismatch"), QStringLiteral("frmMain"),
                            QStringLiteral("Form_Load"));
    gui::frmMain& window = start();
    EXPECT_TRUE(window.startupComplete());
    EXPECT_EQ(child<QComboBox>(QStringLiteral("cboOutput"))->currentIndex(), 0);
    EXPECT_EQ(texts(child<QListWidget>(QStringLiteral("lstReports")), true), QStringList{QStringLiteral("agenda")});
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("optReport(1)"))->isChecked());
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("optManagedby(0)"))->isChecked());
    EXPECT_TRUE(child<QAction>(QStringLiteral("mnuEdit"))->isEnabled());
    window.close();
    EXPECT_EQ(setting(QStringLiteral("cboOutput")), QStringLiteral("0"));
}

TEST_F(ShutdownTest, AStartupThatFailedPartWayKeepsTheStoredChoices) {
    store(QStringLiteral("cboOutput"), QStringLiteral("1"));
    // ACT! says a database is open, but it cannot be opened.
    testing_support::openInStandin(env.path(QStringLiteral("gone.actdb")));
    platform.expectErrorBox(1002, QString(), QStringLiteral("Module1"), QStringLiteral("Create_Database"));
    gui::frmMain& window = start();
    EXPECT_FALSE(window.startupComplete());
    EXPECT_TRUE(window.isVisible());
    window.close();
    EXPECT_EQ(platform.endings, std::vector<int>{0});
    EXPECT_EQ(setting(QStringLiteral("cboOutput")), QStringLiteral("1"));
    EXPECT_EQ(setting(QStringLiteral("Report1")), QStringLiteral("<absent>"));
}
