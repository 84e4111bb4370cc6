#pragma once

#include "WidgetTest.h"

#include "core/settings/SettingsStore.h"
#include "gui/app/frmMain.h"
#include "standin/StandinBackend.h"
#include "support/standin/StandinFixtures.h"

#include <QDir>
#include <QFile>
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

    // Values of section "Settings", "<absent>" for a key that has none.
    QString setting(const QString& key) const {
        return core::SettingsStore().GetSetting(QStringLiteral("Settings"), key, QStringLiteral("<absent>"));
    }
    QStringList settings(const QStringList& keys) const {
        QStringList values;
        for (const QString& key : keys)
            values.append(setting(key));
        return values;
    }
    void store(std::initializer_list<std::pair<QString, QString>> values) const {
        for (const auto& [key, value] : values)
            ASSERT_TRUE(core::SettingsStore().SaveSetting(QStringLiteral("Settings"), key, value));
    }
    // This process's acknowledgement of close requests in the stand-in's state; "" when not registered.
    static std::string clientState() {
        return standinState("client." + std::to_string(QCoreApplication::applicationPid()));
    }
    static void writeFile(const QString& path, const QString& content = QString()) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content.toUtf8());
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
