#pragma once

#include <QString>

namespace core {

// Long steps of a run report through this between batches; ACT! is only called from the thread that runs the
// report, so the front end keeps its event loop alive here.
class RunProgress {
public:
    virtual ~RunProgress() = default;
    // False when the user cancelled the run.
    virtual bool step(const QString& phase, qint64 done, qint64 total) = 0;
};

// For callers that show no progress and never cancel.
class NoProgress : public RunProgress {
public:
    bool step(const QString&, qint64, qint64) override { return true; }
};

} // namespace core
