#include "MainWindowFixture.h"

#include "core/platform/InstanceLock.h"
#include "support/standin/StandinFixtures.h"

#include <QDir>
#include <QTest>

using testing_support::MainWindowFixture;
using testing_support::texts;

namespace {

const QStringList Users = {QStringLiteral("Alex Moreau"), QStringLiteral("Bob"), QStringLiteral("Bob Smith"),
                           QStringLiteral("Dana Reyes"), QStringLiteral("Eli Novak")};

} // namespace

class StartupTest : public MainWindowFixture {};

TEST_F(StartupTest, FirstRunWithNoStoredKeys) {
    gui::frmMain& window = start();
    ASSERT_TRUE(window.startupComplete());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tallivo"));
    EXPECT_EQ(child<QTabWidget>(QStringLiteral("mstSSTab"))->currentIndex(), 0);
    auto* cbo = child<QComboBox>(QStringLiteral("cboOutput"));
    ASSERT_EQ(cbo->count(), 2);
    EXPECT_EQ(cbo->itemText(0), QStringLiteral("Excel Report"));
    EXPECT_EQ(cbo->itemText(1), QStringLiteral("CSV File (Export)"));
    EXPECT_EQ(cbo->currentIndex(), 0);
    // Sorted ignoring case; the first report selected.
    auto* reports = child<QListWidget>(QStringLiteral("lstReports"));
    EXPECT_EQ(texts(reports), (QStringList{QStringLiteral("agenda"), QStringLiteral("Contacts by City")}));
    EXPECT_EQ(texts(reports, true), QStringList{QStringLiteral("agenda")});
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("optReport(1)"))->isChecked());
    EXPECT_FALSE(child<QRadioButton>(QStringLiteral("optReport(0)"))->isChecked());
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("optManagedby(0)"))->isChecked());
    auto* users = child<QListWidget>(QStringLiteral("lstUsers"));
    EXPECT_EQ(texts(users), Users);
    EXPECT_EQ(users->item(2)->data(Qt::UserRole).toInt(), 3);
    EXPECT_TRUE(texts(users, true).isEmpty());
    EXPECT_FALSE(users->isEnabled());
    // Start-up saved ACT!'s lookup and registered for ACT!'s close requests.
    EXPECT_TRUE(QFile::exists(QDir(env.programFolder()).filePath(QStringLiteral("~currentLU.lku"))));
    const std::string client = "client." + std::to_string(QCoreApplication::applicationPid());
    EXPECT_NE(testing_support::standinState(client), "");

    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    EXPECT_EQ(platform.endings, std::vector<int>{0});
    EXPECT_EQ(setting(QStringLiteral("Report0")), QStringLiteral("0"));
    EXPECT_EQ(setting(QStringLiteral("Report1")), QStringLiteral("-1"));
    EXPECT_EQ(setting(QStringLiteral("ManagedBy0")), QStringLiteral("-1"));
    EXPECT_EQ(setting(QStringLiteral("cboOutput")), QStringLiteral("0"));
    EXPECT_EQ(setting(QStringLiteral("ReportsListIndex")), QStringLiteral("0"));
    EXPECT_EQ(setting(QStringLiteral("lstUsers0")), QStringLiteral("<absent>"));
    EXPECT_EQ(testing_support::standinState(client), "");
}

TEST_F(StartupTest, StoredChoicesComeBackAndUsersMatchWholeNames) {
    store(QStringLiteral("cboOutput"), QStringLiteral("1"));
    store(QStringLiteral("ReportsListIndex"), QStringLiteral("0"));
    store(QStringLiteral("Report1"), QStringLiteral("0"));
    store(QStringLiteral("Report2"), QStringLiteral("-1"));
    store(QStringLiteral("ManagedBy0"), QStringLiteral("0"));
    store(QStringLiteral("ManagedBy1"), QStringLiteral("1")); // any non-zero number is true
    store(QStringLiteral("lstUsers0"), QStringLiteral("Bob Smith\fEli Novak"));
    start();
    EXPECT_EQ(child<QComboBox>(QStringLiteral("cboOutput"))->currentIndex(), 1);
    EXPECT_EQ(texts(child<QListWidget>(QStringLiteral("lstReports"))), QStringList{QStringLiteral("Phone List")});
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("optReport(2)"))->isChecked());
    EXPECT_FALSE(child<QRadioButton>(QStringLiteral("optReport(1)"))->isChecked());
    EXPECT_TRUE(child<QRadioButton>(QStringLiteral("optManagedby(1)"))->isChecked());
    auto* users = child<QListWidget>(QStringLiteral("lstUsers"));
    EXPECT_TRUE(users->isEnabled());
    // "Bob Smith" stored must not select "Bob".
    EXPECT_EQ(texts(users, true), (QStringList{QStringLiteral("Bob Smith"), QStringLiteral("Eli Novak")}));

    users->item(2)->setSelected(false);
    users->item(1)->setSelected(true);
    m_window->close();
    EXPECT_EQ(setting(QStringLiteral("lstUsers0")), QStringLiteral("Bob\fEli Novak"));
    EXPECT_EQ(setting(QStringLiteral("ManagedBy1")), QStringLiteral("-1"));
    EXPECT_EQ(setting(QStringLiteral("Report2")), QStringLiteral("-1"));
    EXPECT_EQ(setting(QStringLiteral("cboOutput")), QStringLiteral("1"));
}

TEST_F(StartupTest, ReportIndexBeyondTheListSelectsTheFirstAndMinusOneNothing) {
    store(QStringLiteral("ReportsListIndex"), QStringLiteral("7"));
    start();
    EXPECT_EQ(texts(child<QListWidget>(QStringLiteral("lstReports")), true), QStringList{QStringLiteral("agenda")});
    m_window->close();
    EXPECT_EQ(setting(QStringLiteral("ReportsListIndex")), QStringLiteral("0"));

    store(QStringLiteral("ReportsListIndex"), QStringLiteral("-1"));
    start();
    EXPECT_TRUE(texts(child<QListWidget>(QStringLiteral("lstReports")), true).isEmpty());
    m_window->close();
    EXPECT_EQ(setting(QStringLiteral("ReportsListIndex")), QStringLiteral("-1"));
}

TEST_F(StartupTest, RefusalsShowTheirTextsEndTheProgramAndWriteNoSettings) {
    struct Case {
        const char* name;
        std::function<void()> arrange;
        QString text;
        gui::MessageIcon icon;
    };
    core::InstanceLock otherInstance;
    const Case cases[] = {
        {"second instance", [&] { ASSERT_TRUE(otherInstance.tryLock()); },
         QStringLiteral("An instance of this program is already running!"), gui::MessageIcon::None},
        {"ACT! without a database", [] { testing_support::openInStandin(QString()); },
         QStringLiteral("Please open an ACT database prior to running Tallivo!"), gui::MessageIcon::Exclamation},
        {"ACT! unreachable",
         [&] {
             QFile::remove(env.stateFile());
             QDir().mkpath(env.stateFile());
         },
         QStringLiteral("Unable to communicate with ACT!\rPlease run actreg.exe located in the ACT folder and try "
                        "again"),
         gui::MessageIcon::Critical},
    };
    for (const Case& c : cases) {
        c.arrange();
        platform.expectMessage(c.text);
        platform.messages.clear();
        platform.endings.clear();
        m_window = std::make_unique<gui::frmMain>(*backend);
        EXPECT_FALSE(m_window->Form_Load()) << c.name;
        ASSERT_EQ(platform.messages.size(), 1u) << c.name;
        EXPECT_EQ(platform.messages[0].title, QStringLiteral("Tallivo")) << c.name;
        EXPECT_EQ(platform.messages[0].icon, c.icon) << c.name;
        EXPECT_EQ(platform.messages[0].buttons, QMessageBox::Ok) << c.name;
        EXPECT_EQ(platform.endings, std::vector<int>{0}) << c.name;
        m_window.reset();
        otherInstance.unlock();
        EXPECT_FALSE(settingsFileExists()) << c.name;
    }
}
