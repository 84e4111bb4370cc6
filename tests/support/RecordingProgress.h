#pragma once

#include "core/run/RunProgress.h"

#include <functional>
#include <vector>

namespace testing_support {

struct ProgressStep {
    QString phase;
    qint64 done = 0;
    qint64 total = 0;
    bool operator==(const ProgressStep&) const = default;
};

// Records every step and answers what the test says (go on, by default).
class RecordingProgress : public core::RunProgress {
public:
    bool step(const QString& phase, qint64 done, qint64 total) override {
        steps.push_back({phase, done, total});
        return answer(done);
    }

    std::vector<ProgressStep> steps;
    std::function<bool(qint64 done)> answer = [](qint64) { return true; };
};

} // namespace testing_support
