#pragma once

namespace core {

// How a run, or a build of its workbook, ended.
enum class RunStatus {
    Done,
    Failed,            // an ACT! or other unexpected error, shown in the error box
    NothingToReport,   // no contacts, no fields
    DefinitionProblem, // missing, unreadable, a bad line, an unknown field, no template, a report too large
    WriteFailed,       // the data file, the export or the workbook could not be written
    LaunchFailed,      // the hand-off is written but the launcher or the report could not be opened
    Cancelled,         // the user cancelled the run or the save dialog
};

// Exit codes of the command-line tools.
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

inline int exitCodeOf(RunStatus status) {
    switch (status) {
    case RunStatus::Done:
        return exitcode::Done;
    case RunStatus::NothingToReport:
        return exitcode::NothingToReport;
    case RunStatus::DefinitionProblem:
        return exitcode::Definition;
    case RunStatus::WriteFailed:
        return exitcode::WriteFailed;
    case RunStatus::LaunchFailed:
        return exitcode::LaunchFailed;
    case RunStatus::Failed:
    case RunStatus::Cancelled:
        break;
    }
    return exitcode::Other;
}

} // namespace core
