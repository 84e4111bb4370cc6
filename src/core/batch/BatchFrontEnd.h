#pragma once

#include "core/run/RunFrontEnd.h"

#include <QElapsedTimer>
#include <QTextStream>

namespace core {

// The batch tool's side of a run: the window's message texts on standard error without titles, a carriage return
// inside a text starting a new line; progress on a terminal.
class BatchFrontEnd : public RunFrontEnd {
public:
    BatchFrontEnd(QTextStream& err, bool showProgress);

    void print(const QString& text);
    void message(const RunMessage& message) override;
    void errorBox(const ErrorReport& report) override;
    std::optional<QString> chooseCsvFile(const QString& initialFolder) override;
    void setBusy(bool) override {}
    bool step(const QString& phase, qint64 done, qint64 total) override;
    // Ends a progress line left on the terminal.
    void finishProgress();

private:
    QTextStream& m_err;
    bool m_showProgress;
    bool m_progressShown = false;
    QElapsedTimer m_sinceLastProgress;
};

} // namespace core
