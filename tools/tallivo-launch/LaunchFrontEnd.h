#pragma once

#include "core/batch/BatchFrontEnd.h"
#include "gui/app/WindowRunFrontEnd.h"

// The launcher's side of a build on a desktop: every message both in a box and on standard error, and a progress
// window with Cancel when the build takes longer than about a second.
class LaunchFrontEnd : public core::RunFrontEnd {
public:
    explicit LaunchFrontEnd(QTextStream& err) : m_err(err, false), m_window(nullptr) {}

    void message(const core::RunMessage& message) override {
        m_err.message(message);
        m_window.message(message);
    }
    void errorBox(const core::ErrorReport& report) override {
        m_err.errorBox(report);
        m_window.errorBox(report);
    }
    std::optional<QString> chooseCsvFile(const QString&) override { return std::nullopt; }
    void setBusy(bool busy) override { m_window.setBusy(busy); }
    bool step(const QString& phase, qint64 done, qint64 total) override { return m_window.step(phase, done, total); }

private:
    core::BatchFrontEnd m_err;
    gui::WindowRunFrontEnd m_window;
};
