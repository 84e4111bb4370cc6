#include "support/gui/MainWindowFixture.h"

#include "core/platform/InstanceLock.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QSignalSpy>

using namespace Qt::StringLiterals;
using testing_support::readBytes;
using testing_support::requestClose;
using testing_support::standinState;
using testing_support::texts;

namespace {

// The names of a menu's entries that are enabled, or that are disabled.
QStringList entries(const QMenu* menu, bool enabled) {
    QStringList names;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator() && action->isEnabled() == enabled)
            names.append(action->objectName());
    return names;
}

QPoint centreOf(const QListWidget* list, int row) {
    return list->visualItemRect(list->item(row)).center();
}

class StartupTest : public testing_support::MainWindowFixture {
protected:
    // Whether the output and the report and manager options shown are these, with the users enabled for a manager.
    bool shows(int output, int report, int managedBy) const {
        return child<QComboBox>(u"cboOutput"_s)->currentIndex() == output &&
               child<QRadioButton>(u"optReport(%1)"_s.arg(report))->isChecked() &&
               child<QRadioButton>(u"optManagedby(%1)"_s.arg(managedBy))->isChecked() &&
               child(u"lstUsers"_s)->isEnabled() == (managedBy == 1);
    }
};

class ShutdownTest : public testing_support::MainWindowFixture {
protected:
    // Asks to close and gives the request time to be carried out: true when it was acknowledged but put off.
    bool closeRequestWaits() {
        requestClose();
        EXPECT_TRUE(QTest::qWaitFor([&] { return clientState() == "1"; }, 1500));
        QTest::qWait(300);
        return stillOpen();
    }
};

using MenusTest = testing_support::MainWindowFixture;
// Runs cover ACT!'s current lookup, which is all contacts.
using RunTest = testing_support::MainWindowFixture;

TEST_F(StartupTest, FirstRunWithNoStoredKeys) {
    ASSERT_TRUE(start().startupComplete());
    EXPECT_TRUE(shows(0, 1, 0));
    EXPECT_EQ(texts(reports()), (QStringList{u"agenda"_s, u"Contacts by City"_s}));
    EXPECT_EQ(texts(reports(), true), QStringList{u"agenda"_s});

    QTest::mouseClick(child<QPushButton>(u"cmdCancel"_s), Qt::LeftButton);
    EXPECT_TRUE(ended());
    EXPECT_EQ(
        settings({u"Report0"_s, u"Report1"_s, u"ManagedBy0"_s, u"cboOutput"_s, u"ReportsListIndex"_s, u"lstUsers0"_s}),
        (QStringList{u"0"_s, u"-1"_s, u"-1"_s, u"0"_s, u"0"_s, u"<absent>"_s}));
}

TEST_F(StartupTest, StoredChoicesComeBackAndUsersMatchWholeNamesWithCase) {
    // A report index beyond the list selects its first report; any non-zero number is true.
    store({u"cboOutput=1"_s, u"ReportsListIndex=7"_s, u"Report1=0"_s, u"Report2=-1"_s, u"ManagedBy0=0"_s,
           u"ManagedBy1=1"_s, u"lstUsers0=bob\fBob Smith\fEli Novak"_s});
    start();
    EXPECT_TRUE(shows(1, 2, 1));
    EXPECT_EQ(texts(reports(), true), QStringList{u"Phone List"_s});
    auto* users = child<QListWidget>(u"lstUsers"_s);
    // Neither "bob" nor "Bob Smith" selects "Bob".
    EXPECT_EQ(texts(users, true), (QStringList{u"Bob Smith"_s, u"Eli Novak"_s}));

    users->item(2)->setSelected(false);
    users->item(1)->setSelected(true);
    window->close();
    EXPECT_EQ(settings({u"lstUsers0"_s, u"ManagedBy1"_s, u"Report2"_s, u"cboOutput"_s, u"ReportsListIndex"_s}),
              (QStringList{u"Bob\fEli Novak"_s, u"-1"_s, u"-1"_s, u"1"_s, u"0"_s}));
}

TEST_F(StartupTest, UnusableStoredValuesAreReportedOnceAndStartupFinishes) {
    store({u"cboOutput=CSV"_s, u"ReportsListIndex=-2"_s, u"Report0=yes"_s, u"ManagedBy1=1.5"_s});
    for (const long error : {13, 380, 13, 13}) // in the order of the controls
        platform.expectErrorBox({"frmMain", "Sub", "Form_Load"}, error);
    ASSERT_TRUE(start().startupComplete());
    EXPECT_TRUE(shows(0, 1, 0));
    EXPECT_EQ(texts(reports(), true), QStringList{u"agenda"_s});
    window->close();
    EXPECT_EQ(settings({u"cboOutput"_s}), QStringList{u"0"_s});
}

TEST_F(StartupTest, RefusalsShowTheirTextsEndTheProgramAndWriteNoSettings) {
    using enum gui::MessageIcon;
    core::InstanceLock otherInstance;
    const std::tuple<std::function<void()>, QString, gui::MessageIcon> cases[] = {
        {[&] { ASSERT_TRUE(otherInstance.tryLock()); }, u"An instance of this program is already running!"_s, None},
        {[] { testing_support::openInStandin(QString()); }, u"Please open an ACT database prior to running Tallivo!"_s,
         Exclamation},
        {[&] { ASSERT_TRUE(QFile::remove(env.stateFile()) && QDir().mkpath(env.stateFile())); },
         u"Unable to communicate with ACT!\rPlease run actreg.exe located in the ACT folder and try again"_s, Critical},
        {[] { testing_support::writeBytes(core::SettingsStore::defaultPath(), "[Settings\n"); },
         u"The settings file %1 cannot be used: line 1 opens a section it does not close. It is left as it is; please "
         u"mend or remove it."_s.arg(core::SettingsStore::defaultPath()),
         Critical},
    };
    QDir().mkpath(QFileInfo(core::SettingsStore::defaultPath()).path());
    for (const auto& [arrange, text, icon] : cases) {
        arrange();
        const QByteArray settingsBefore = testing_support::readBytes(core::SettingsStore::defaultPath());
        platform.expectMessage(text);
        platform.endings.clear();
        start();
        EXPECT_TRUE(ended()) << text.toStdString();
        EXPECT_EQ(platform.messages.back().title, u"Tallivo"_s);
        EXPECT_EQ(platform.messages.back().icon, icon) << text.toStdString();
        window.reset();
        otherInstance.unlock();
        EXPECT_EQ(testing_support::readBytes(core::SettingsStore::defaultPath()), settingsBefore) << text.toStdString();
    }
}

TEST_F(ShutdownTest, RestartClosesTheDatabaseReopensItThroughTheShellAndEndsOnTheSecondTick) {
    start().setRestartFlag(true);
    QElapsedTimer clock;
    clock.start();
    window->Form_Unload();
    // ACT! command 150 closed the database before the shell reopened it.
    EXPECT_EQ(standinState("database"), "");
    EXPECT_EQ(standinState("running"), "1");
    EXPECT_EQ(settings({u"cboOutput"_s}), QStringList{u"0"_s});
    ASSERT_EQ(platform.shellOpens.size(), 1u);
    EXPECT_EQ(platform.shellOpens[0].verb, u"open"_s);
    EXPECT_EQ(platform.shellOpens[0].file, database);
    EXPECT_FALSE(window->isVisible());

    // A close request now is acknowledged but not obeyed: the timer ends the program.
    requestClose();
    QTest::qWait(1500);
    EXPECT_TRUE(platform.endings.empty()) << "ended on the first tick";
    EXPECT_TRUE(ended(2000));
    EXPECT_GE(clock.elapsed(), 1900);
}

TEST_F(ShutdownTest, CloseRequestFromActSavesAndEnds) {
    start();
    switchOutput(1);
    requestClose();
    EXPECT_TRUE(ended());
    EXPECT_EQ(settings({u"cboOutput"_s}), QStringList{u"1"_s});
    EXPECT_EQ(clientState(), ""); // unregistered at release
}

TEST_F(ShutdownTest, CloseRequestWhileADialogIsOpenWaitsForTheDialog) {
    start();
    bool waited = false;
    testing_support::onDialog([&](QDialog* dialog) {
        waited = closeRequestWaits();
        dialog->close();
    });
    child<QAction>(u"mnuTemplateFolder"_s)->trigger();
    EXPECT_TRUE(waited);
    EXPECT_TRUE(ended());
}

TEST_F(ShutdownTest, CloseRequestDuringARunBeforeItsProgressShowsWaitsForTheRun) {
    // The current contact, and ACT! has none: the run ends in a message and would leave the window open.
    store({u"Report0=-1"_s, u"Report1=0"_s});
    start();
    bool waited = false;
    platform.expectMessage(u"There is no data to display or export!"_s, [&] {
        EXPECT_EQ(child(u"frmProgress"_s), nullptr);
        waited = closeRequestWaits();
    });
    run();
    EXPECT_TRUE(waited);
    EXPECT_TRUE(ended());
}

TEST_F(ShutdownTest, AStartupThatFailedPartWayKeepsTheStoredChoices) {
    store({u"cboOutput=1"_s});
    // ACT! says a database is open, but it cannot be opened.
    testing_support::openInStandin(env.path(u"gone.actdb"_s));
    platform.expectErrorBox({"Module1", "Sub", "Create_Database"}, 1002);
    EXPECT_FALSE(start().startupComplete());
    EXPECT_TRUE(window->isVisible());
    window->close();
    EXPECT_TRUE(ended());
    EXPECT_EQ(settings({u"cboOutput"_s, u"Report1"_s}), (QStringList{u"1"_s, u"<absent>"_s}));
}

TEST_F(MenusTest, ReportMenuFollowsTheListAndTheOutput) {
    start();
    auto* report = child<QMenu>(u"mnuReport"_s);
    EXPECT_EQ(entries(report, false), QStringList());
    // The template and conversion entries serve Excel reports only; switching clears the selection.
    switchOutput(1);
    EXPECT_EQ(entries(report, false), (QStringList{u"mnuConvert"_s, u"mnuEditTemplate"_s}));
    EXPECT_EQ(texts(reports(), true), QStringList());
}

TEST_F(MenusTest, AnEmptyOrMissingReportFolderStartsWithNothingToEditAndNoBox) {
    QDir().mkpath(env.path(u"empty"_s));
    for (const QString& folder : {env.path(u"empty"_s), env.path(u"missing"_s)}) {
        store({u"TemplatesFolder="_s + folder});
        ASSERT_TRUE(start().startupComplete()) << folder.toStdString();
        EXPECT_EQ(reports()->count(), 0) << folder.toStdString();
        EXPECT_EQ(entries(child<QMenu>(u"mnuReport"_s), true), QStringList{u"mnuNew"_s}) << folder.toStdString();
        EXPECT_TRUE(platform.messages.empty()) << folder.toStdString();
    }
}

TEST_F(MenusTest, RightClickShowsThePopupKeepingTheSelectionAndDoubleClickEditsOnlyASelectedReport) {
    store({u"ReportsListIndex=-1"_s});
    start();
    QListWidget* list = reports();
    auto* popup = child<QMenu>(u"mnuPopup"_s);
    const auto rightClick = [&](int row, int selected, bool enabled, const QStringList& names) {
        list->setCurrentRow(selected);
        const QStringList before = texts(list, true);
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, centreOf(list, row));
        ASSERT_TRUE(QTest::qWaitFor([&] { return popup->isVisible(); }));
        EXPECT_EQ(texts(list, true), before);
        EXPECT_EQ(entries(popup, enabled), names);
        popup->close();
    };
    QStringList edited;
    const auto doubleClick = [&](const QPoint& at) {
        QTimer::singleShot(0, qApp, [&] {
            if (QWidget* editor = QApplication::activeModalWidget()) {
                edited.append(editor->findChild<QLineEdit*>(u"txtReportName"_s)->text());
                editor->close();
            }
        });
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
    };
    doubleClick(QPoint(10, list->viewport()->height() - 5));
    // A right-click on empty space leaves the pop-up's Edit disabled; the double-click edits all the same.
    rightClick(1, -1, true, {u"mnuPopupNew"_s});
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centreOf(list, 1));
    doubleClick(centreOf(list, 1));
    EXPECT_EQ(edited, QStringList{u"Contacts by City"_s});
    rightClick(1, 0, false, {});
    switchOutput(1);
    rightClick(0, 0, false, {u"mnuPopupConvert"_s, u"mnuPopupEditTemplate"_s});
}

TEST_F(MenusTest, ManagerFilterEnablesTheUsersAndAllUsersClearsThem) {
    start();
    auto* users = child<QListWidget>(u"lstUsers"_s);
    child<QTabWidget>(u"mstSSTab"_s)->setCurrentIndex(1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QCoreApplication::processEvents();
    testing_support::press(child<QRadioButton>(u"optManagedby(1)"_s));
    EXPECT_TRUE(users->isEnabled());
    QTest::mouseClick(users->viewport(), Qt::LeftButton, {}, centreOf(users, 3));
    EXPECT_EQ(texts(users, true), QStringList{u"Dana Reyes"_s});
    testing_support::press(child<QRadioButton>(u"optManagedby(0)"_s));
    EXPECT_FALSE(users->isEnabled());
    EXPECT_TRUE(texts(users, true).isEmpty());
    // Closing with no user selected keeps the stored users.
    store({u"lstUsers0=Bob"_s});
    window->close();
    EXPECT_EQ(settings({u"lstUsers0"_s}), QStringList{u"Bob"_s});
}

TEST_F(MenusTest, ANewTemplateFolderListsItsReportsAtTheNextOutputSwitch) {
    const QString other = env.path(u"other"_s);
    addExcelReport(other, u"Budget"_s);
    start();
    platform.expectFolder(other);
    platform.expectMessage(u"You need to restart the program for the changes to take effect."_s);
    testing_support::onDialog([](QDialog* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(u"cmdBrowse"_s), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton*>(u"cmdOK"_s), Qt::LeftButton);
    });
    child<QAction>(u"mnuTemplateFolder"_s)->trigger();
    switchOutput(1);
    switchOutput(0);
    EXPECT_EQ(texts(reports()), QStringList{u"Budget"_s});
}

TEST_F(RunTest, RunOrEnterWithNoReportSelectedAsksForOneOnTheFirstTab) {
    store({u"ReportsListIndex=-1"_s});
    start();
    auto* tabs = child<QTabWidget>(u"mstSSTab"_s);
    // A main window has no default button: Enter presses the focused button, or else Run.
    const std::function<void()> triggers[] = {[&] { run(); }, [&] { QTest::keyClick(reports(), Qt::Key_Return); },
                                              [&] { QTest::keyClick(window.get(), Qt::Key_Enter); }};
    for (const auto& trigger : triggers) {
        tabs->setCurrentIndex(1);
        reports()->setFocus();
        platform.expectMessage(u"You need to select a report!"_s);
        trigger();
        EXPECT_EQ(tabs->currentIndex(), 0);
    }
    EXPECT_FALSE(QFile::exists(dataFile()));

    child(u"cmdCancel"_s)->setFocus();
    QTest::keyClick(child(u"cmdCancel"_s), Qt::Key_Return);
    EXPECT_TRUE(ended());
}

TEST_F(RunTest, ExcelRunHandsOffToTheLauncherAndEnds) {
    start();
    run();
    EXPECT_EQ(readBytes(dataFile()), "\"Lima\",\"\"\r\n\"Lyon\",\"\"\r\n\"Oslo\",\"\"\r\n");
    ASSERT_EQ(platform.shellOpens.size(), 1u);
    EXPECT_TRUE(platform.shellOpens[0].file.endsWith(u"/LaunchIt.XLS"_s));
    EXPECT_TRUE(ended());
}

TEST_F(RunTest, AFailedRunKeepsTheWindow) {
    start();
    platform.shellAccepts = false;
    platform.expectMessage(
        u"The report is ready, but %1 could not be opened."_s.arg(env.programFolder() + u"/LaunchIt.XLS"_s));
    run();
    QFile::remove(reportFolder + u"/agenda.DXL"_s);
    platform.expectMessage(u"The definition file for this report is missing!"_s);
    platform.expectMessage(u"Unable to access this report definition file!"_s);
    run();
    EXPECT_EQ(platform.messages[1].icon, gui::MessageIcon::Exclamation);
    EXPECT_EQ(platform.messages[2].icon, gui::MessageIcon::None);
    EXPECT_TRUE(stillOpen());
}

TEST_F(RunTest, CsvRunSavesWhereTheUserSaysOrNowhereWhenCancelled) {
    store({u"cboOutput=1"_s});
    start();
    platform.expectSaveFile(std::nullopt);
    run();
    EXPECT_TRUE(stillOpen());

    // A name without an extension gets ".CSV".
    const QString chosen = env.path(u"export"_s);
    platform.expectSaveFile(chosen);
    run();
    EXPECT_EQ(readBytes(chosen + u".CSV"_s),
              "\"City\",\"Company\"\r\n\"Lima\",\"\"\r\n\"Lyon\",\"\"\r\n\"Oslo\",\"\"\r\n");
    EXPECT_TRUE(ended());
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
    run();
    canceller.stop();
    EXPECT_EQ(readBytes(dataFile()), "\"previous\"\r\n");
    EXPECT_TRUE(platform.shellOpens.empty());
    EXPECT_TRUE(stillOpen());
}

} // namespace
