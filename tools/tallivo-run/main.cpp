// tallivo-run: runs one report of the report folder without windows, on the main window's pipeline.
#include "core/batch/BatchOptions.h"
#include "core/batch/BatchRun.h"
#include "core/platform/Shell.h"
#include "report/HandOff.h"
#include "report/WorkbookBuild.h"
#include "standin/StandinBackend.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const core::ParsedBatchOptions parsed = core::parseBatchOptions(QCoreApplication::arguments());
    if (parsed.help) {
        QTextStream(stdout) << core::batchUsage() << '\n';
        return core::exitcode::Done;
    }
    if (!parsed.usageError.isEmpty()) {
        err << "tallivo-run: " << parsed.usageError << '\n' << core::batchUsage() << '\n';
        return core::exitcode::Usage;
    }
    standin::StandinBackend backend;
    core::DesktopShell shell;
    const auto buildWorkbook = [](const QString& target, core::RunFrontEnd& front) {
        return report::buildWorkbook(report::HandOff::read(core::SettingsStore()), target, true, front);
    };
    return core::runBatch(parsed.options, backend, shell, err, isatty(fileno(stderr)) != 0, buildWorkbook);
}
