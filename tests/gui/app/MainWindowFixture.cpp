#include "MainWindowFixture.h"

#include "core/settings/SettingsStore.h"
#include "support/standin/StandinFixtures.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace testing_support {

MainWindowFixture::MainWindowFixture() : platform(ScriptedPlatformService::install()) {
    database = env.path(QStringLiteral("contacts.actdb"));
    makeContactDatabase(database, {{{16, "Lyon"}}, {{16, "Oslo"}}, {{16, "Lima"}}});
    openInStandin(database);
    QDir(env.programFolder()).mkpath(QStringLiteral("Templates"));
    for (const char* name :
         {"Contacts by City.DXL", "Contacts by City.XLT", "agenda.DXL", "agenda.XLT", "Phone List.DCS"})
        addReportFile(QString::fromLatin1(name));
    backend = std::make_unique<standin::StandinBackend>(standin::StandinBackendOptions{true, standin::StateFile()});
}

MainWindowFixture::~MainWindowFixture() {
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    m_window.reset();
    EXPECT_EQ(platform.pending(), 0u) << "expected boxes or dialogs that never came";
    gui::PlatformService::install(nullptr);
}

gui::frmMain& MainWindowFixture::start() {
    m_window = std::make_unique<gui::frmMain>(*backend);
    if (m_window->Form_Load())
        m_window->show();
    return *m_window;
}

QString MainWindowFixture::setting(const QString& key) const {
    return core::SettingsStore().GetSetting(QStringLiteral("Settings"), key, QStringLiteral("<absent>"));
}

void MainWindowFixture::store(const QString& key, const QString& value) const {
    ASSERT_TRUE(core::SettingsStore().SaveSetting(QStringLiteral("Settings"), key, value));
}

bool MainWindowFixture::settingsFileExists() const {
    return QFile::exists(core::SettingsStore::defaultPath());
}

void MainWindowFixture::addReportFile(const QString& fileName) const {
    QFile file(QDir(env.programFolder()).filePath(QStringLiteral("Templates/") + fileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

bool MainWindowFixture::waitFor(const std::function<bool()>& condition, int timeoutMs) const {
    return QTest::qWaitFor(condition, timeoutMs);
}

} // namespace testing_support
