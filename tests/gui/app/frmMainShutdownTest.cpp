#include "support/gui/MainWindowFixture.h"

#include <QElapsedTimer>

using namespace Qt::StringLiterals;
using testing_support::requestClose;
using testing_support::standinState;

namespace {

class ShutdownTest : public testing_support::MainWindowFixture {
protected:
    bool ended(int timeoutMs = 1500) {
        return QTest::qWaitFor([&] { return !platform.endings.empty(); }, timeoutMs);
    }
    // Asks to close and gives the request time to be carried out: true when it was acknowledged but put off.
    bool closeRequestWaits() {
        requestClose();
        EXPECT_TRUE(QTest::qWaitFor([&] { return clientState() == "1"; }, 1500));
        QTest::qWait(300);
        return window->isVisible() && platform.endings.empty();
    }
};

TEST_F(ShutdownTest, RestartClosesTheDatabaseReopensItThroughTheShellAndEndsOnTheSecondTick) {
    start().setRestartFlag(true);
    QElapsedTimer clock;
    clock.start();
    window->Form_Unload();
    // ACT! command 150 closed the database before the shell reopened it.
    EXPECT_EQ(standinState("database"), "");
    EXPECT_EQ(standinState("running"), "1");
    EXPECT_EQ(setting(u"cboOutput"_s), u"0"_s);
    ASSERT_EQ(platform.shellOpens.size(), 1u);
    EXPECT_EQ(platform.shellOpens[0].verb, u"open"_s);
    EXPECT_EQ(platform.shellOpens[0].file, database);
    EXPECT_FALSE(window->isVisible());

    // A close request now is acknowledged but not obeyed: the timer ends the program.
    requestClose();
    QTest::qWait(1500);
    EXPECT_TRUE(platform.endings.empty()) << "ended on the first tick";
    ASSERT_TRUE(ended(2000));
    EXPECT_GE(clock.elapsed(), 1900);
    EXPECT_EQ(platform.endings, std::vector<int>{0});
}

TEST_F(ShutdownTest, CloseRequestFromActSavesAndEnds) {
    start();
    child<QComboBox>(u"cboOutput"_s)->setCurrentIndex(1);
    requestClose();
    ASSERT_TRUE(ended());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(setting(u"cboOutput"_s), u"1"_s);
    EXPECT_EQ(clientState(), ""); // unregistered at release
}

TEST_F(ShutdownTest, CloseRequestWhileADialogIsOpenWaitsForTheDialog) {
    start();
    bool waited = false;
    QTimer::singleShot(0, window.get(), [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        waited = closeRequestWaits();
        dialog->close();
    });
    child<QAction>(u"mnuTemplateFolder"_s)->trigger();
    EXPECT_TRUE(waited);
    ASSERT_TRUE(ended());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ShutdownTest, CloseRequestDuringARunBeforeItsProgressShowsWaitsForTheRun) {
    // The current contact, and ACT! has none: the run ends in a message and would leave the window open.
    store({{u"Report0"_s, u"-1"_s}, {u"Report1"_s, u"0"_s}});
    start();
    bool waited = false;
    platform.expectMessage(u"There is no data to display or export!"_s, QMessageBox::Ok, [&] {
        EXPECT_EQ(child(u"frmProgress"_s), nullptr);
        waited = closeRequestWaits();
    });
    QTest::mouseClick(child<QPushButton>(u"cmdOK"_s), Qt::LeftButton);
    EXPECT_TRUE(waited);
    ASSERT_TRUE(ended());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ShutdownTest, AStartupThatFailedPartWayKeepsTheStoredChoices) {
    store({{u"cboOutput"_s, u"1"_s}});
    // ACT! says a database is open, but it cannot be opened.
    testing_support::openInStandin(env.path(u"gone.actdb"_s));
    platform.expectErrorBox({"Module1", "Sub", "Create_Database"}, 1002);
    EXPECT_FALSE(start().startupComplete());
    EXPECT_TRUE(window->isVisible());
    window->close();
    EXPECT_EQ(platform.endings, std::vector<int>{0});
    EXPECT_EQ(settings({u"cboOutput"_s, u"Report1"_s}), (QStringList{u"1"_s, u"<absent>"_s}));
}

} // namespace
