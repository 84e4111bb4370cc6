#pragma once

#include "core/batch/BatchOptions.h"

#include "act/Backend.h"
#include "core/platform/Shell.h"

#include <QTextStream>

namespace core {

// Exit codes of tallivo-run.
namespace exitcode {
inline constexpr int Done = 0;
inline constexpr int Other = 1;
inline constexpr int Usage = 2;
inline constexpr int NothingToReport = 3;
inline constexpr int Definition = 4;
inline constexpr int WriteFailed = 5;
inline constexpr int Locked = 6;
inline constexpr int NoAct = 7;
inline constexpr int LaunchFailed = 8;
} // namespace exitcode

// Runs one report without windows, on the same pipeline as the main window's "&Run". Checks in this order: usage,
// the instance lock, ACT!, the definition, user names, contacts and fields; then writes. Messages go to err, one
// line each; progress too when showProgress is set.
int runBatch(const BatchOptions& options, act::Backend& backend, Shell& shell, QTextStream& err, bool showProgress);

} // namespace core
