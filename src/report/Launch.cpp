#include "Launch.h"

#include "HandOff.h"
#include "WorkbookBuild.h"

#include "core/ProductName.h"
#include "core/run/RunTexts.h"
#include "core/settings/SettingsKeys.h"

#include <QDir>
#include <QFileInfo>

namespace report {

namespace {

core::RunStatus say(core::RunFrontEnd& front, core::RunStatus status, const QString& text) {
    front.setBusy(false);
    front.message({text, core::ProductName, core::RunMessage::Icon::Exclamation});
    return status;
}

// failure names the file with %1.
core::RunStatus open(core::Shell& shell, core::RunFrontEnd& front, const QString& file, const QString& folder,
                     const QString& failure) {
    if (shell.open({QStringLiteral("open"), file, QString(), folder, core::ShowNormal}))
        return core::RunStatus::Done;
    return say(front, core::RunStatus::LaunchFailed, failure.arg(QDir::toNativeSeparators(file)));
}

core::RunStatus editTemplate(core::SettingsStore& store, core::Shell& shell, core::RunFrontEnd& front,
                             const HandOff& handOff, const LaunchRequest& request) {
    if (!QFileInfo(handOff.templateToEdit).isFile())
        return say(front, core::RunStatus::DefinitionProblem,
                   QStringLiteral("The Excel template to edit is missing: %1")
                       .arg(QDir::toNativeSeparators(handOff.templateToEdit)));
    const core::RunStatus opened = request.open ? open(shell, front, handOff.templateToEdit, request.programFolder,
                                                       QStringLiteral("The Excel template %1 could not be opened."))
                                                : core::RunStatus::Done;
    if (!store.SaveSetting(core::keys::Settings, core::keys::Template, QStringLiteral("0")))
        return say(front, core::RunStatus::WriteFailed, store.writeFailure());
    return opened;
}

core::RunStatus launchSteps(core::SettingsStore& store, core::Shell& shell, core::RunFrontEnd& front,
                            const LaunchRequest& request) {
    if (const QString problem = store.check(); !problem.isEmpty())
        return say(front, core::RunStatus::Failed, problem);
    const HandOff handOff = HandOff::read(store);
    if (handOff.editTemplate)
        return editTemplate(store, shell, front, handOff, request);
    const QString target = newReportFile(request.programFolder, handOff.reportName(), request.startedAt);
    const core::RunStatus built = buildWorkbook(handOff, target, false, front, request.locale);
    if (built != core::RunStatus::Done || !request.open)
        return built;
    return open(shell, front, target, request.programFolder,
                QStringLiteral("The report is ready, but %1 could not be opened."));
}

} // namespace

QString newReportFile(const QString& programFolder, const QString& reportName, const QDateTime& at) {
    const QDir folder(QDir(programFolder).filePath(QStringLiteral("Excel Reports")));
    const QString stem = reportName + u' ' + at.toString(QStringLiteral("yyyy-MM-dd hh.mm.ss"));
    QString file = folder.filePath(stem + QStringLiteral(".xlsx"));
    for (int copy = 2; QFileInfo::exists(file); ++copy)
        file = folder.filePath(QStringLiteral("%1 (%2).xlsx").arg(stem).arg(copy));
    return file;
}

core::RunStatus launch(core::SettingsStore& store, core::Shell& shell, core::RunFrontEnd& front,
                       const LaunchRequest& request) {
    // No input may end the program: a report too large for memory is told as such.
    try {
        return launchSteps(store, shell, front, request);
    } catch (const std::bad_alloc&) {
        return say(front, core::RunStatus::Failed, core::texts::OutOfMemory);
    }
}

} // namespace report
