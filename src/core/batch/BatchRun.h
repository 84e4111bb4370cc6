#pragma once

#include "core/batch/BatchOptions.h"

#include "act/Backend.h"
#include "core/platform/Shell.h"
#include "core/run/RunFrontEnd.h"
#include "core/run/RunStatus.h"

#include <QTextStream>

#include <functional>

namespace core {

// Builds an Excel run's workbook at a file from the hand-off, in the same process.
using WorkbookBuilder = std::function<RunStatus(const QString& target, RunFrontEnd& front)>;

// Runs one report without windows, on the same pipeline as the main window's "&Run". Checks in this order: usage,
// the instance lock, ACT!, the definition, user names, contacts and fields; then writes. Messages go to err, one
// line each; progress too when showProgress is set. An Excel run with --to builds its workbook with buildWorkbook.
int runBatch(const BatchOptions& options, act::Backend& backend, Shell& shell, QTextStream& err, bool showProgress,
             const WorkbookBuilder& buildWorkbook);

} // namespace core
