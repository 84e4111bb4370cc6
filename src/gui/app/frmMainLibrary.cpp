// The main window's report library commands.
#include "frmMain.h"

#include "core/platform/ProgramFolder.h"
#include "gui/common/ErrorBox.h"
#include "gui/editor/frmReportSettings.h"
#include "gui/library/LibraryActions.h"
#include "gui/library/frmNew.h"
#include "gui/library/frmRename.h"
#include "gui/library/frmReportList.h"

#include <algorithm>

namespace gui {

core::ReportLibrary frmMain::library() const {
    return {m_reportFolder, core::programFolder(), static_cast<core::OutputType>(m_outputType)};
}

QString frmMain::selectedReport() const {
    const QList<QListWidgetItem*> selected = c.lstReports->selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->text();
}

bool frmMain::refillReports(const QString& select) {
    Load_Reports();
    Update_ReportMenu();
    const QList<QListWidgetItem*> found = c.lstReports->findItems(select, Qt::MatchExactly);
    if (select.isEmpty() || found.isEmpty())
        return false;
    c.lstReports->setCurrentItem(found.constFirst());
    return true;
}

void frmMain::mnuNew_Click() {
    const core::ReportLibrary reports = library();
    frmNew dialog(reports, QString(), this);
    dialog.exec();
    if (dialog.currentReportName().isEmpty())
        return;
    if (!refillReports(dialog.currentReportName()) && c.lstReports->count() > 0)
        c.lstReports->setCurrentRow(c.lstReports->count() - 1);
}

act::FieldList* frmMain::editorFields(const core::Procedure& where) {
    if (!m_connection.fieldList)
        showErrorBox(where, __LINE__, core::errors::ObjectNotSet, this);
    return m_connection.fieldList.get();
}

void frmMain::mnuPopupEdit_Click() {
    const QString report = selectedReport();
    if (report.isEmpty())
        return;
    if (act::FieldList* fields = editorFields({"frmMain", "Sub", "mnuPopupEdit_Click"}))
        frmReportSettings::edit(m_store, *fields, {m_reportFolder, report, m_outputType}, this);
}

void frmMain::mnuEdit_Click() {
    act::FieldList* fields = editorFields({"frmMain", "Sub", "mnuEdit_Click"});
    if (!fields)
        return;
    const core::ReportLibrary reports = library();
    frmReportList(ReportListCommand::Edit, reports, m_store, selectedReport(), this, fields).exec();
}

void frmMain::mnuPopupDuplicate_Click() {
    const QString source = selectedReport();
    if (source.isEmpty())
        return;
    const core::ReportLibrary reports = library();
    frmNew dialog(reports, source, this);
    dialog.exec();
    // The copy is not selected: the source stays the report "&Run" runs.
    refillReports(source);
}

void frmMain::mnuDuplicate_Click() {
    const QString kept = selectedReport();
    const core::ReportLibrary reports = library();
    frmReportList list(ReportListCommand::Duplicate, reports, m_store, kept, this);
    list.exec();
    refillReports(kept);
}

void frmMain::mnuPopupRename_Click() {
    const QString report = selectedReport();
    if (report.isEmpty())
        return;
    const core::ReportLibrary reports = library();
    frmRename dialog(reports, report, this);
    dialog.exec();
    if (!dialog.sNewName().isEmpty())
        refillReports(dialog.sNewName());
}

void frmMain::mnuRename_Click() {
    const QString kept = selectedReport();
    const core::ReportLibrary reports = library();
    frmReportList list(ReportListCommand::Rename, reports, m_store, kept, this);
    list.exec();
    refillReports(list.sNewName().isEmpty() ? kept : list.sNewName());
}

void frmMain::mnuPopupDelete_Click() {
    const QString report = selectedReport();
    if (report.isEmpty())
        return;
    const int row = c.lstReports->currentRow();
    if (deleteReport(library(), report, {"frmMain", "Sub", "mnuPopupDelete_Click"}, this) == Deletion::Cancelled)
        return;
    // A report that failed to go stays selected; else the entry above it.
    if (!refillReports(report) && c.lstReports->count() > 0)
        c.lstReports->setCurrentRow(std::min(std::max(row - 1, 0), c.lstReports->count() - 1));
}

void frmMain::mnuDelete_Click() {
    const core::ReportLibrary reports = library();
    frmReportList list(ReportListCommand::Delete, reports, m_store, selectedReport(), this);
    list.exec();
    if (!list.deletionFlag())
        return;
    refillReports(QString());
    if (c.lstReports->count() > 0)
        c.lstReports->setCurrentRow(0);
}

void frmMain::mnuPopupConvert_Click() {
    if (const QString report = selectedReport(); !report.isEmpty())
        makeCsvReport(library(), report, {"frmMain", "Sub", "mnuPopupConvert_Click"}, this);
}

void frmMain::mnuConvert_Click() {
    const core::ReportLibrary reports = library();
    frmReportList(ReportListCommand::MakeCsv, reports, m_store, selectedReport(), this).exec();
}

void frmMain::mnuPopupEditTemplate_Click() {
    if (const QString report = selectedReport(); !report.isEmpty())
        editExcelTemplate(m_store, library(), report, QStringLiteral("LaunchIt.XLS"),
                          {"frmMain", "Sub", "mnuPopupEditTemplate_Click"}, this);
}

void frmMain::mnuEditTemplate_Click() {
    const core::ReportLibrary reports = library();
    frmReportList(ReportListCommand::EditTemplate, reports, m_store, selectedReport(), this).exec();
}

} // namespace gui
