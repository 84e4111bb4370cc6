#include "support/gui/MainWindowFixture.h"

#include "core/platform/InstanceLock.h"

using namespace Qt::StringLiterals;
using testing_support::texts;

namespace {

class StartupTest : public testing_support::MainWindowFixture {
protected:
    QListWidget* reports() const { return child<QListWidget>(u"lstReports"_s); }
};

TEST_F(StartupTest, FirstRunWithNoStoredKeys) {
    ASSERT_TRUE(start().startupComplete());
    EXPECT_EQ(child<QComboBox>(u"cboOutput"_s)->currentIndex(), 0);
    EXPECT_EQ(texts(reports()), (QStringList{u"agenda"_s, u"Contacts by City"_s}));
    EXPECT_EQ(texts(reports(), true), QStringList{u"agenda"_s});
    EXPECT_TRUE(child<QRadioButton>(u"optReport(1)"_s)->isChecked());
    EXPECT_TRUE(child<QRadioButton>(u"optManagedby(0)"_s)->isChecked());
    auto* users = child<QListWidget>(u"lstUsers"_s);
    EXPECT_TRUE(texts(users, true).isEmpty());
    EXPECT_FALSE(users->isEnabled());
    // Start-up saved ACT!'s lookup and registered for ACT!'s close requests.
    EXPECT_TRUE(QFile::exists(env.programFolder() + u"/~currentLU.lku"_s));
    EXPECT_NE(clientState(), "");

    QTest::mouseClick(child<QPushButton>(u"cmdCancel"_s), Qt::LeftButton);
    EXPECT_EQ(platform.endings, std::vector<int>{0});
    EXPECT_EQ(
        settings({u"Report0"_s, u"Report1"_s, u"ManagedBy0"_s, u"cboOutput"_s, u"ReportsListIndex"_s, u"lstUsers0"_s}),
        (QStringList{u"0"_s, u"-1"_s, u"-1"_s, u"0"_s, u"0"_s, u"<absent>"_s}));
    EXPECT_EQ(clientState(), "");
}

TEST_F(StartupTest, StoredChoicesComeBackAndUsersMatchWholeNamesWithCase) {
    store({{u"cboOutput"_s, u"1"_s},
           {u"Report1"_s, u"0"_s},
           {u"Report2"_s, u"-1"_s},
           {u"ManagedBy0"_s, u"0"_s},
           {u"ManagedBy1"_s, u"1"_s}, // any non-zero number is true
           {u"lstUsers0"_s, u"bob\fBob Smith\fEli Novak"_s}});
    start();
    EXPECT_EQ(texts(reports(), true), QStringList{u"Phone List"_s});
    EXPECT_TRUE(child<QRadioButton>(u"optReport(2)"_s)->isChecked());
    EXPECT_TRUE(child<QRadioButton>(u"optManagedby(1)"_s)->isChecked());
    auto* users = child<QListWidget>(u"lstUsers"_s);
    EXPECT_TRUE(users->isEnabled());
    // Neither "bob" nor "Bob Smith" selects "Bob".
    EXPECT_EQ(texts(users, true), (QStringList{u"Bob Smith"_s, u"Eli Novak"_s}));

    users->item(2)->setSelected(false);
    users->item(1)->setSelected(true);
    window->close();
    EXPECT_EQ(settings({u"lstUsers0"_s, u"ManagedBy1"_s, u"Report2"_s, u"cboOutput"_s}),
              (QStringList{u"Bob\fEli Novak"_s, u"-1"_s, u"-1"_s, u"1"_s}));
}

TEST_F(StartupTest, ReportIndexBeyondTheListSelectsTheFirstAndMinusOneNothing) {
    const std::tuple<QString, QStringList, QString> cases[] = {{u"7"_s, {u"agenda"_s}, u"0"_s}, {u"-1"_s, {}, u"-1"_s}};
    for (const auto& [index, selected, saved] : cases) {
        store({{u"ReportsListIndex"_s, index}});
        start();
        EXPECT_EQ(texts(reports(), true), selected) << index.toStdString();
        window->close();
        EXPECT_EQ(setting(u"ReportsListIndex"_s), saved) << index.toStdString();
    }
}

TEST_F(StartupTest, ReportsSortIgnoringCaseWithNamesDifferingOnlyInCaseInAFixedOrder) {
    for (const QStringList& made : {QStringList{u"sales"_s, u"Sales"_s, u"apple"_s, u"Zeta"_s},
                                    QStringList{u"Zeta"_s, u"apple"_s, u"Sales"_s, u"sales"_s}}) {
        const QString folder = env.path(made.constFirst());
        for (const QString& name : made)
            addExcelReport(folder, name);
        store({{u"TemplatesFolder"_s, folder}});
        start();
        EXPECT_EQ(texts(reports()), (QStringList{u"apple"_s, u"Sales"_s, u"sales"_s, u"Zeta"_s}))
            << "made as " << made.join(u' ').toStdString();
    }
}

TEST_F(StartupTest, AnEmptyOrMissingReportFolderStartsWithNothingToEditAndNoBox) {
    QDir().mkpath(env.path(u"empty"_s));
    for (const QString& folder : {env.path(u"empty"_s), env.path(u"missing"_s)}) {
        store({{u"TemplatesFolder"_s, folder}});
        ASSERT_TRUE(start().startupComplete()) << folder.toStdString();
        EXPECT_EQ(reports()->count(), 0) << folder.toStdString();
        for (const char* name : {"mnuEdit", "mnuDelete", "mnuDuplicate", "mnuRename"})
            EXPECT_FALSE(child<QAction>(QString::fromLatin1(name))->isEnabled()) << name << " " << folder.toStdString();
        EXPECT_TRUE(platform.messages.empty()) << folder.toStdString();
    }
}

TEST_F(StartupTest, UnusableStoredValuesAreReportedOnceAndStartupFinishes) {
    store({{u"cboOutput"_s, u"CSV"_s},
           {u"ReportsListIndex"_s, u"-2"_s},
           {u"Report0"_s, u"yes"_s},
           {u"ManagedBy1"_s, u"1.5"_s}});
    for (const long error : {13, 380, 13, 13}) // in the order of the controls
        platform.expectErrorBox({"frmMain", "Sub", "Form_Load"}, error);
    ASSERT_TRUE(start().startupComplete());
    EXPECT_EQ(child<QComboBox>(u"cboOutput"_s)->currentIndex(), 0);
    EXPECT_EQ(texts(reports(), true), QStringList{u"agenda"_s});
    EXPECT_TRUE(child<QRadioButton>(u"optReport(1)"_s)->isChecked());
    EXPECT_TRUE(child<QRadioButton>(u"optManagedby(0)"_s)->isChecked());
    window->close();
    EXPECT_EQ(setting(u"cboOutput"_s), u"0"_s);
}

TEST_F(StartupTest, RefusalsShowTheirTextsEndTheProgramAndWriteNoSettings) {
    core::InstanceLock otherInstance;
    const std::tuple<std::function<void()>, QString, gui::MessageIcon> cases[] = {
        {[&] { ASSERT_TRUE(otherInstance.tryLock()); }, u"An instance of this program is already running!"_s,
         gui::MessageIcon::None},
        {[] { testing_support::openInStandin(QString()); }, u"Please open an ACT database prior to running Tallivo!"_s,
         gui::MessageIcon::Exclamation},
        {[&] {
             QFile::remove(env.stateFile());
             QDir().mkpath(env.stateFile());
         },
         u"Unable to communicate with ACT!\rPlease run actreg.exe located in the ACT folder and try again"_s,
         gui::MessageIcon::Critical},
    };
    for (const auto& [arrange, text, icon] : cases) {
        arrange();
        platform.expectMessage(text);
        platform.endings.clear();
        EXPECT_FALSE(start().isVisible()) << text.toStdString();
        EXPECT_EQ(platform.messages.back().title, u"Tallivo"_s);
        EXPECT_EQ(platform.messages.back().icon, icon) << text.toStdString();
        EXPECT_EQ(platform.endings, std::vector<int>{0}) << text.toStdString();
        window.reset();
        otherInstance.unlock();
        EXPECT_FALSE(QFile::exists(core::SettingsStore::defaultPath())) << text.toStdString();
    }
}

} // namespace
