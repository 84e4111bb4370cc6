#pragma once

#include "gui/app/frmMain.h"
#include "standin/StandinBackend.h"
#include "support/TempEnvironment.h"
#include "support/gui/ListTexts.h"
#include "support/gui/ScriptedPlatformService.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace testing_support {

// A main window over a stand-in database with five users and three contacts, a program folder whose Templates/
// holds two Excel reports and one CSV report, and private settings, state and runtime folders.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture();
    ~MainWindowFixture() override;

    // Makes the window and runs its load sequence; answers nothing itself.
    gui::frmMain& start();
    // The settings store's value of a key of section "Settings", or "<absent>".
    QString setting(const QString& key) const;
    void store(const QString& key, const QString& value) const;
    bool settingsFileExists() const;
    void addReportFile(const QString& fileName) const;

    template <typename T> T* child(const QString& name) const { return m_window->findChild<T*>(name); }
    bool waitFor(const std::function<bool()>& condition, int timeoutMs = 3000) const;

    TempEnvironment env;
    ScriptedPlatformService& platform;
    QString database;
    std::unique_ptr<standin::StandinBackend> backend;
    std::unique_ptr<gui::frmMain> m_window;
};

} // namespace testing_support
