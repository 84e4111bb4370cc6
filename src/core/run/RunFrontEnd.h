#pragma once

#include "RunProgress.h"

#include "core/ErrorReport.h"

#include <QString>

#include <optional>

namespace core {

struct RunMessage {
    enum class Icon { None, Exclamation, Critical };
    QString text;
    QString title;
    Icon icon = Icon::None;
};

// What a run needs from whoever started it: the window's boxes and dialogs, or the batch tool's standard error.
class RunFrontEnd : public RunProgress {
public:
    virtual void message(const RunMessage& message) = 0;
    virtual void errorBox(const ErrorReport& report) = 0;
    // The file a CSV export goes to; nullopt when the user cancels.
    virtual std::optional<QString> chooseCsvFile(const QString& initialFolder) = 0;
    // The hourglass while the run reads and writes.
    virtual void setBusy(bool busy) = 0;
};

} // namespace core
