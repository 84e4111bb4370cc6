// tallivo-launch: what the shell starts for the launcher workbooks. It builds the last run's Excel report from the
// hand-off and opens it, or opens a report's template for editing.
#include "LaunchFrontEnd.h"

#include "core/platform/ProgramFolder.h"
#include "core/platform/Shell.h"
#include "report/Launch.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

// Decided before any Qt application object exists: without a display no box may wait for a click.
bool hasDisplay() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.startsWith("offscreen") || platform.startsWith("minimal"))
        return false;
#ifdef Q_OS_WIN
    return true;
#else
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    const bool display = hasDisplay();
    const std::unique_ptr<QCoreApplication> app =
        display ? std::make_unique<QApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Builds the Excel report of the last run and opens it."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("launcher"), QStringLiteral("The launcher file the shell opened."),
                                 QStringLiteral("[LAUNCHER]"));
    const QCommandLineOption noOpen(QStringLiteral("no-open"), QStringLiteral("Build the report, open nothing."));
    parser.addOption(noOpen);
    parser.process(*app);
    if (parser.positionalArguments().size() > 1)
        parser.showHelp(core::exitcode::Usage);

    QTextStream err(stderr);
    std::unique_ptr<core::RunFrontEnd> front;
    if (display)
        front = std::make_unique<LaunchFrontEnd>(err);
    else
        front = std::make_unique<core::BatchFrontEnd>(err, false);

    core::SettingsStore store;
    core::DesktopShell shell;
    report::LaunchRequest request;
    request.programFolder = core::programFolder();
    request.open = !parser.isSet(noOpen);
    return core::exitCodeOf(report::launch(store, shell, *front, request));
}
