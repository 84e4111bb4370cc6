#pragma once

#include "WidgetTest.h"

#include "core/settings/SettingsStore.h"
#include "gui/app/frmMain.h"
#include "standin/StandinBackend.h"
#include "support/standin/StandinFixtures.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace testing_support {

// A main window over a stand-in database with five users and three contacts, with the program folder's report
// folder holding two Excel reports and one CSV report, each listing City and Company sorted by City.
class MainWindowFixture : public WidgetTest {
protected:
    MainWindowFixture() {
        makeContactDatabase(database, {{{16, "Lyon"}}, {{16, "Oslo"}}, {{16, "Lima"}}});
        openInStandin(database);
        addExcelReport(reportFolder, QStringLiteral("Contacts by City"));
        addExcelReport(reportFolder, QStringLiteral("agenda"));
        writeFile(reportFolder + QStringLiteral("/Phone List.DCS"), Definition);
    }
    void TearDown() override {
        window.reset();
        WidgetTest::TearDown();
    }

    // Makes the window and runs its load sequence; answers nothing itself.
    gui::frmMain& start() {
        window = std::make_unique<gui::frmMain>(backend);
        if (window->Form_Load())
            window->show();
        return *window;
    }
    template <typename T = QWidget> T* child(const QString& name) const { return window->findChild<T*>(name); }
    QListWidget* reports() const { return child<QListWidget>(QStringLiteral("lstReports")); }
    void switchOutput(int index) const { child<QComboBox>(QStringLiteral("cboOutput"))->setCurrentIndex(index); }
    QString dataFile() const { return env.programFolder() + QStringLiteral("/data.CSV"); }
    void run() const { QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdOK")), Qt::LeftButton); }

    // The window is left for another try.
    bool stillOpen() const { return window->isVisible() && platform.endings.empty(); }
    // Waits for the window to close and the program to end, once and without an error code.
    bool ended(int timeoutMs = 1500) const {
        return QTest::qWaitFor([this] { return platform.endings == std::vector<int>{0}; }, timeoutMs) &&
               !window->isVisible();
    }

    // Values of section "Settings", "<absent>" for a key that has none.
    static QStringList settings(const QStringList& keys) {
        QStringList values;
        for (const QString& key : keys)
            values.append(
                core::SettingsStore().GetSetting(QStringLiteral("Settings"), key, QStringLiteral("<absent>")));
        return values;
    }
    // Stores "key=value" settings in section "Settings".
    static void store(const QStringList& keyValues) {
        for (const QString& setting : keyValues)
            ASSERT_TRUE(core::SettingsStore().SaveSetting(QStringLiteral("Settings"), setting.section(u'=', 0, 0),
                                                          setting.section(u'=', 1)));
    }
    // This process's acknowledgement of close requests in the stand-in's state; "" when not registered.
    static std::string clientState() {
        return standinState("client." + std::to_string(QCoreApplication::applicationPid()));
    }
    static void writeFile(const QString& path, const QString& content = QString()) {
        QDir().mkpath(QFileInfo(path).path());
        ASSERT_TRUE(writeBytes(path, content.toUtf8()));
    }
    static void addExcelReport(const QString& folder, const QString& name) {
        writeFile(folder + QLatin1Char('/') + name + QStringLiteral(".DXL"), Definition);
        writeFile(folder + QLatin1Char('/') + name + QStringLiteral(".XLT"));
    }

    static inline const QString Definition = QStringLiteral(
        "FieldsIncluded=16\f2\f\r\nFieldNamesIncluded=City\fCompany\f\r\nSort0=16\r\nSortType0=S\r\nSortOrder0=1\r\n");
    const QString database = env.path(QStringLiteral("contacts.actdb"));
    const QString reportFolder = env.programFolder() + QStringLiteral("/Templates");
    standin::StandinBackend backend{{true, standin::StateFile()}};
    std::unique_ptr<gui::frmMain> window;
};

} // namespace testing_support
