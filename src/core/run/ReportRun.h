#pragma once

#include "RunFrontEnd.h"
#include "RunStatus.h"
#include "core/run/grid/ReportGrid.h"
#include "core/run/select/ContactSelection.h"

#include "act/Connection.h"
#include "core/definition/ReportDefinition.h"
#include "core/platform/Shell.h"
#include "core/settings/SettingsStore.h"

#include <QLocale>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace core {

struct RunRequest {
    QString reportName;
    int outputType = 0;
    QString reportFolder;  // ends in a separator
    QString programFolder; // data.CSV, the launcher and "CSV Files"
    SelectionRequest selection;
    std::optional<QString> csvTarget; // the export's file, chosen without a dialog (batch runs)
    bool launch = true;               // open the launcher after an Excel run
    // Builds the Excel report from the hand-off in this process instead of opening the launcher (batch runs).
    std::function<RunStatus(RunFrontEnd&)> buildWorkbook;
    QLocale locale = QLocale::system();
};

// One run of one report, as "&Run" does it: definition, contacts, grid, sort, data file, then the launcher or the
// export. The definition is loaded first on its own so that a caller can check more between the two steps.
class ReportRun {
public:
    // The grid is the caller's: the window keeps its own between runs.
    ReportRun(SettingsStore& store, const act::Connection& connection, Shell& shell, RunFrontEnd& front,
              ReportGrid& grid, RunRequest request);

    // Loads the definition into the working copy and checks what can be checked before any contact is read; Done or
    // DefinitionProblem (after its messages).
    RunStatus loadDefinition();
    // The contacts to cover, when they are settled only after the definition was checked.
    void setSelection(const SelectionRequest& selection) { m_request.selection = selection; }
    // The rest of the run, after a successful loadDefinition().
    RunStatus execute();

private:
    // Runs a step; running out of memory ends it with a message, never the program.
    RunStatus guarded(RunStatus (ReportRun::*step)());
    RunStatus loadDefinitionSteps();
    RunStatus executeSteps();
    RunStatus fail(RunStatus status, const QString& text, RunMessage::Icon icon = RunMessage::Icon::None,
                   const QString& title = QString());
    // Sorts the grid by the first levels of the definition.
    RunStatus sortRows(const ReportDefinition& definition, int levels);
    RunStatus writeDataFile(const ReportDefinition& definition, const std::vector<int>& columns, bool extraColumn);
    RunStatus handOffToLauncher(ReportDefinition& definition);
    RunStatus exportCsv();
    QString dataFilePath() const;

    SettingsStore& m_store;
    const act::Connection& m_connection;
    Shell& m_shell;
    RunFrontEnd& m_front;
    ReportGrid& m_grid;
    RunRequest m_request;
    ReportDefinition m_definition; // the working copy as loaded
};

} // namespace core
