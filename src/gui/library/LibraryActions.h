#pragma once

#include "core/ErrorReport.h"

#include <QString>

class QWidget;

namespace core {
class ReportLibrary;
class SettingsStore;
struct LibraryResult;
} // namespace core

namespace gui {

// The library actions that the report list's context menu and the report list dialog share; where names the
// procedure an error box reports.

// Says why a library command did not complete: a name to correct, a file to free, or an error box.
void showLibraryFailure(const core::LibraryResult& result, const core::Procedure& where, int line, QWidget* owner);

enum class Deletion { Cancelled, Deleted, Failed };
// Asks "Confirm Deletion", then deletes the report's files.
Deletion deleteReport(const core::ReportLibrary& library, const QString& name, const core::Procedure& where,
                      QWidget* owner);

// Makes the CSV report of an Excel report, asking before it replaces one. False when it failed.
bool makeCsvReport(const core::ReportLibrary& library, const QString& name, const core::Procedure& where,
                   QWidget* owner);

// Hands the report's template to a launcher workbook of the program folder for editing. False when the keys that
// tell the launcher could not be written; a launcher that cannot be opened is reported after they were.
bool editExcelTemplate(core::SettingsStore& store, const core::ReportLibrary& library, const QString& name,
                       const QString& launcher, const core::Procedure& where, QWidget* owner);

} // namespace gui
