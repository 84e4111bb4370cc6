#include "core/batch/BatchRun.h"

#include "core/batch/BatchFrontEnd.h"
#include "core/run/ReportRun.h"
#include "core/run/RunProcedures.h"
#include "core/run/RunTexts.h"
#include "core/startup/ActStartupCheck.h"

#include "act/Connection.h"
#include "core/library/ReportCatalogue.h"
#include "core/platform/InstanceLock.h"
#include "core/platform/ProgramFolder.h"
#include "core/settings/MainWindowChoices.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/SettingsStore.h"

#include <QDir>

namespace core {

namespace {

// 1-based user numbers of the named users; unknown names in *unknown.
std::optional<QList<int>> userNumbers(act::UsersTable& users, const QStringList& names, QStringList* unknown,
                                      act::Error& error) {
    const act::Result<int> count = users.Count();
    if (!count) {
        error = count.error();
        return std::nullopt;
    }
    QList<int> numbers;
    QStringList found;
    for (int n = 1; n <= count.value(); ++n) {
        const act::Result<std::string> name = users.Name(n);
        if (!name) {
            error = name.error();
            return std::nullopt;
        }
        if (names.contains(QString::fromStdString(name.value()))) {
            numbers.append(n);
            found.append(QString::fromStdString(name.value()));
        }
    }
    for (const QString& name : names)
        if (!found.contains(name))
            unknown->append(name);
    return numbers;
}

int runSteps(const BatchOptions& options, act::Backend& backend, Shell& shell, BatchFrontEnd& front,
             const WorkbookBuilder& buildWorkbook) {
    SettingsStore store;
    // Settings that cannot be read are said once and left as they are: a run would have to write them.
    if (const QString problem = store.check(); !problem.isEmpty()) {
        front.print(problem);
        return exitcode::Other;
    }
    const StoredChoices stored = loadMainWindowChoices(store);
    for (const ChoiceProblem& problem : stored.problems)
        if (problem.key != keys::ReportsListIndex)
            front.print(
                QStringLiteral("tallivo-run: the stored %1 cannot be read; using its default").arg(problem.key));

    RunRequest request;
    request.reportName = options.report;
    request.outputType = options.outputType.value_or(stored.choices.cboOutput);
    request.reportFolder = reportFolderPath(storedReportFolder(store));
    // A report is a name the report list shows, never a path to a definition or an export elsewhere.
    if (!Load_Reports(request.reportFolder, request.outputType).contains(options.report)) {
        front.print(QStringLiteral("tallivo-run: there is no %1 report named \"%2\" in %3")
                        .arg(request.outputType == static_cast<int>(OutputType::ExcelReport) ? QStringLiteral("Excel")
                                                                                             : QStringLiteral("CSV"),
                             options.report, QDir::toNativeSeparators(request.reportFolder)));
        front.print(batchUsage());
        return exitcode::Usage;
    }
    if (options.to && request.outputType == static_cast<int>(OutputType::ExcelReport))
        request.buildWorkbook = [&](RunFrontEnd& runFront) { return buildWorkbook(*options.to, runFront); };

    InstanceLock lock;
    if (!lock.tryLock()) {
        front.print(lock.refusal());
        return lock.problem().isEmpty() ? exitcode::Locked : exitcode::Other;
    }

    const std::unique_ptr<act::EventControl> events = backend.CreateEventControl();
    // Whatever keeps ACT! from answering, the batch tool can only say that it cannot be reached.
    if (const ActStartupCheck act = checkAct(*events); act.status != ActStartupCheck::Status::Ready) {
        front.print(act.status == ActStartupCheck::Status::NoDatabaseOpen ? texts::NoDatabaseOpen
                                                                          : texts::ActUnreachable);
        return exitcode::NoAct;
    }
    request.programFolder = programFolder();
    act::Result<act::Connection> connection = act::Create_Database(backend, request.programFolder.toStdString());
    if (!connection) {
        front.errorBox(errorAt(procedures::Create_Database, __LINE__, connection.error()));
        return exitcode::NoAct;
    }
    act::Connection c = std::move(connection).value();

    request.selection.scope = options.scope.value_or(chosenScope(stored.choices.report, Scope::CurrentContact));
    request.selection.programFolder = request.programFolder;
    request.launch = !options.noLaunch;
    if (request.outputType == static_cast<int>(OutputType::CsvFile))
        request.csvTarget =
            options.to.value_or(QDir(request.programFolder)
                                    .filePath(QStringLiteral("CSV Files/") + options.report + QStringLiteral(".CSV")));

    ReportGrid grid;
    ReportRun run(store, c, shell, front, grid, request);
    if (const RunStatus loaded = run.loadDefinition(); loaded != RunStatus::Done)
        return exitCodeOf(loaded);

    request.selection.filterByManager = options.users.has_value() || !stored.choices.managedBy[0];
    if (request.selection.filterByManager) {
        QStringList unknown;
        act::Error error;
        const std::optional<QList<int>> numbers =
            userNumbers(*c.usersTable, options.users.value_or(stored.choices.users), &unknown, error);
        if (!numbers) {
            front.errorBox(errorAt(procedures::GetIDs, __LINE__, error));
            return exitcode::Other;
        }
        if (options.users && !unknown.isEmpty()) {
            front.print(
                QStringLiteral("tallivo-run: no ACT! user is named %1").arg(unknown.join(QStringLiteral(", "))));
            return exitcode::Usage;
        }
        request.selection.selectedUserNumbers = *numbers;
    }
    run.setSelection(request.selection);
    const RunStatus status = run.execute();
    front.finishProgress();
    (void)c.Release();
    return exitCodeOf(status);
}

} // namespace

int runBatch(const BatchOptions& options, act::Backend& backend, Shell& shell, QTextStream& err, bool showProgress,
             const WorkbookBuilder& buildWorkbook) {
    BatchFrontEnd front(err, showProgress);
    // No input may end the program: whatever runs out of memory, and wherever, is said in plain words.
    try {
        return runSteps(options, backend, shell, front, buildWorkbook);
    } catch (const std::bad_alloc&) {
        front.print(texts::OutOfMemory);
        return exitcode::Other;
    }
}

} // namespace core
