#pragma once

#include "core/run/RunFrontEnd.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>

class QWidget;

namespace gui {

// The main window's side of a run: its message boxes, the CSV save dialog, the hourglass, and for runs longer than
// about a second a modal progress dialog with Cancel. Between batches the event loop runs, so the window repaints
// and ACT!'s events arrive, while the window itself takes no input.
class WindowRunFrontEnd : public core::RunFrontEnd {
public:
    explicit WindowRunFrontEnd(QWidget* window, int progressDelayMs = 1000);
    ~WindowRunFrontEnd() override;

    void message(const core::RunMessage& message) override;
    void errorBox(const core::ErrorReport& report) override;
    std::optional<QString> chooseCsvFile(const QString& initialFolder) override;
    void setBusy(bool busy) override;
    bool step(const QString& phase, qint64 done, qint64 total) override;

private:
    QWidget* m_window;
    int m_progressDelayMs;
    QElapsedTimer m_clock;
    QPointer<QProgressDialog> m_progress;
    bool m_busy = false;
};

} // namespace gui
