#include "ReportRun.h"

#include "core/ProductName.h"
#include "core/run/RunTexts.h"
#include "core/run/grid/ColumnLayout.h"
#include "core/run/grid/GridFiller.h"
#include "core/run/sort/GridSorter.h"
#include "core/run/write/DataFileWriter.h"

#include "core/definition/DefinitionFile.h"
#include "core/definition/DefinitionKeys.h"
#include "core/definition/DefinitionMessages.h"
#include "core/library/ReportCatalogue.h"
#include "core/run/RunProcedures.h"
#include "core/settings/SettingsKeys.h"
#include "core/text/FormFeedList.h"
#include "core/text/SaveFile.h"

#include <QDir>

namespace core {

ReportRun::ReportRun(SettingsStore& store, const act::Connection& connection, Shell& shell, RunFrontEnd& front,
                     ReportGrid& grid, RunRequest request)
    : m_store(store), m_connection(connection), m_shell(shell), m_front(front), m_grid(grid),
      m_request(std::move(request)) {}

RunStatus ReportRun::fail(RunStatus status, const QString& text, RunMessage::Icon icon, const QString& title) {
    m_front.setBusy(false);
    m_front.message({text, title.isEmpty() ? ProductName : title, icon});
    return status;
}

RunStatus ReportRun::guarded(RunStatus (ReportRun::*step)()) {
    // A definition or a report too large for this machine's memory is told as such; no input may end the program.
    try {
        return (this->*step)();
    } catch (const std::bad_alloc&) {
        m_grid.reset(0);
        return fail(RunStatus::Failed, texts::OutOfMemory, RunMessage::Icon::Critical);
    }
}

RunStatus ReportRun::loadDefinition() {
    return guarded(&ReportRun::loadDefinitionSteps);
}

RunStatus ReportRun::execute() {
    return guarded(&ReportRun::executeSteps);
}

RunStatus ReportRun::loadDefinitionSteps() {
    const DefinitionLoad load =
        Load_DefFile(m_store, m_request.reportFolder, m_request.reportName, m_request.outputType);
    if (!load.ok()) {
        m_front.message({loadProblem(load), ProductName, RunMessage::Icon::Exclamation});
        return fail(RunStatus::DefinitionProblem, texts::DefinitionUnusable);
    }
    if (m_request.outputType == static_cast<int>(OutputType::ExcelReport) &&
        templateFile(m_request.reportFolder, m_request.reportName).isEmpty())
        return fail(RunStatus::DefinitionProblem,
                    QStringLiteral("The Excel template of this report is missing: %1")
                        .arg(m_request.reportFolder + m_request.reportName + extension::Template),
                    RunMessage::Icon::Exclamation);
    m_definition = ReportDefinition::load(m_store);
    if (const FillOutcome layout = readColumnLayout(m_definition); layout.status == FillOutcome::Status::BadDefinition)
        return fail(RunStatus::DefinitionProblem, layout.problem, RunMessage::Icon::Exclamation);
    return RunStatus::Done;
}

RunStatus ReportRun::executeSteps() {
    m_front.setBusy(true);
    const SelectionOutcome selection = Sales_Filter_Dispatch(m_connection, m_request.selection, m_front);
    if (selection.status == SelectionOutcome::Status::Cancelled) {
        m_front.setBusy(false);
        return RunStatus::Cancelled;
    }
    if (selection.status == SelectionOutcome::Status::Failed) {
        m_front.setBusy(false);
        m_front.errorBox(*selection.error);
        return RunStatus::Failed;
    }
    if (selection.recordIds.empty())
        return fail(RunStatus::NothingToReport, texts::NoData, RunMessage::Icon::Exclamation, texts::EmptyReportTitle);

    const FillOutcome fill = Fill_Listview(m_definition, m_connection, selection.recordIds, m_grid, m_front);
    switch (fill.status) {
    case FillOutcome::Status::Filled:
        break;
    case FillOutcome::Status::NoFields:
        return fail(RunStatus::NothingToReport, texts::NoFields, RunMessage::Icon::Exclamation);
    case FillOutcome::Status::BadDefinition:
        return fail(RunStatus::DefinitionProblem, fill.problem, RunMessage::Icon::Exclamation);
    case FillOutcome::Status::UnknownField:
        return fail(RunStatus::DefinitionProblem, unknownFieldMessage(fill.unknownFieldId),
                    RunMessage::Icon::Exclamation);
    case FillOutcome::Status::Cancelled:
        m_front.setBusy(false);
        return RunStatus::Cancelled;
    case FillOutcome::Status::Failed:
        m_front.setBusy(false);
        m_front.errorBox(*fill.error);
        return RunStatus::Failed;
    }
    const bool excel = m_request.outputType == static_cast<int>(OutputType::ExcelReport);
    // The launcher runs after the program has ended, with no ACT! to ask for the columns' types.
    if (excel) {
        QStringList types;
        for (const int type : fill.columnTypes)
            types.append(QString::number(type));
        m_definition.setValue(keys::FieldTypes, writeList(types));
    }
    if (!m_definition.save(m_store)) {
        m_front.setBusy(false);
        m_front.errorBox(errorAt(procedures::Fill_Listview, __LINE__, errors::PathFileAccessError));
        return RunStatus::Failed;
    }
    if (const RunStatus sorted = sortRows(m_definition, excel ? ReportDefinition::SectionCount : 1);
        sorted != RunStatus::Done)
        return sorted;
    if (const RunStatus written = writeDataFile(m_definition, fill.columns, fill.extraColumn);
        written != RunStatus::Done)
        return written;
    return excel ? handOffToLauncher(m_definition) : exportCsv();
}

RunStatus ReportRun::sortRows(const ReportDefinition& definition, int levels) {
    if (!m_front.step(QStringLiteral("Sorting"), 0, 1)) {
        m_front.setBusy(false);
        return RunStatus::Cancelled;
    }
    // Each sort keeps the order of equal rows, so sorting the innermost level first leaves the outer levels' ties
    // in the inner levels' order, and rows equal on every level in record-id order.
    SortOutcome unreadable;
    QString procedure;
    for (int level = levels - 1; level >= 0; --level) {
        const SortLevel sort = definition.sortLevel(level);
        const SortRequest request{definition.sortColumn(level) - 1, sort.type, sort.descending};
        const SortOutcome outcome = sortGrid(m_grid, request, m_request.locale);
        if (outcome.unreadableCells == 0)
            continue;
        if (unreadable.unreadableCells == 0 || level == 0) {
            unreadable.firstUnreadable = outcome.firstUnreadable;
            procedure =
                sort.type == u"D" ? QStringLiteral("ListView_GetItemDate") : QStringLiteral("ListView_GetItemValueStr");
        }
        unreadable.unreadableCells += outcome.unreadableCells;
    }
    // Cells that cannot be read sort as zero; the user hears of it once per run, not once per cell.
    if (unreadable.unreadableCells > 0)
        m_front.errorBox({errors::TypeMismatch,
                          QStringLiteral("%1 (%2 cells, the first \"%3\", sorted as zero)")
                              .arg(errors::description(errors::TypeMismatch))
                              .arg(unreadable.unreadableCells)
                              .arg(unreadable.firstUnreadable),
                          QStringLiteral("LibrarySort"), QStringLiteral("Function"), procedure, __LINE__});
    return RunStatus::Done;
}

QString ReportRun::dataFilePath() const {
    return QDir(m_request.programFolder).filePath(QStringLiteral("data.CSV"));
}

RunStatus ReportRun::writeDataFile(const ReportDefinition& definition, const std::vector<int>& columns,
                                   bool extraColumn) {
    DataFileLayout layout;
    const bool csv = m_request.outputType == static_cast<int>(OutputType::CsvFile);
    layout.header = csv;
    layout.dropLastColumn = csv && extraColumn;
    if (csv) {
        layout.captions = definition.captions();
        for (const int field : columns) {
            const act::Result<std::string> label = m_connection.fieldList->Label(field);
            layout.fieldLabels.append(label ? QString::fromStdString(label.value()) : QString());
        }
    }
    bool notWritable = false;
    const WriteOutcome written = Write_File(dataFilePath(), m_grid, layout, m_front, &notWritable);
    if (written.status == WriteOutcome::Status::Cancelled) {
        m_front.setBusy(false);
        return RunStatus::Cancelled;
    }
    if (written.status == WriteOutcome::Status::Failed)
        return fail(RunStatus::WriteFailed, notWritable ? texts::DataFileLocked : written.description);
    if (!m_store.SaveSetting(keys::Settings, keys::DataFile, QDir::toNativeSeparators(dataFilePath())))
        return fail(RunStatus::WriteFailed, m_store.writeFailure());
    return RunStatus::Done;
}

RunStatus ReportRun::handOffToLauncher(ReportDefinition& definition) {
    // The template as it is really named, whatever the case of its extension.
    QString path = templateFile(m_request.reportFolder, m_request.reportName);
    if (path.isEmpty())
        path = m_request.reportFolder + m_request.reportName + extension::Template;
    // The launcher builds the report only when Template is "0"; editing a template leaves it otherwise.
    definition.setValue(keys::Path, QDir::toNativeSeparators(path));
    if (!definition.save(m_store) || !m_store.SaveSetting(keys::Settings, keys::Template, QStringLiteral("0")))
        return fail(RunStatus::WriteFailed, m_store.writeFailure());
    if (m_request.buildWorkbook)
        return m_request.buildWorkbook(m_front);
    m_front.setBusy(false);
    if (!m_request.launch)
        return RunStatus::Done;
    const QString launcher = QDir(m_request.programFolder).filePath(QStringLiteral("LaunchIt.XLS"));
    if (!m_shell.open({QStringLiteral("open"), launcher, QString(), m_request.programFolder, core::ShowNormal}))
        return fail(RunStatus::LaunchFailed,
                    QStringLiteral("The report is ready, but %1 could not be opened.").arg(launcher),
                    RunMessage::Icon::Exclamation);
    return RunStatus::Done;
}

RunStatus ReportRun::exportCsv() {
    m_front.setBusy(false);
    std::optional<QString> target = m_request.csvTarget;
    if (!target)
        target = m_front.chooseCsvFile(QDir(m_request.programFolder).filePath(QStringLiteral("CSV Files")));
    if (!target)
        return RunStatus::Cancelled;
    const QString failure = copyFile(dataFilePath(), *target);
    if (!failure.isEmpty())
        return fail(RunStatus::WriteFailed, QStringLiteral("The export could not be written to %1: %2")
                                                .arg(QDir::toNativeSeparators(*target), failure));
    return RunStatus::Done;
}

} // namespace core
