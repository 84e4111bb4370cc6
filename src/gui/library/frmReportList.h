#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace act {
class FieldList;
}

namespace core {
class ReportLibrary;
class SettingsStore;
} // namespace core

namespace gui {

// The Report menu's commands that act on a report picked in the report list dialog.
enum class ReportListCommand { Edit, Delete, Rename, Duplicate, MakeCsv, EditTemplate };

// The report list dialog: the user picks a report, and OK or a double-click carries out the command on it. The
// dialog closes when the command, and any dialog it opened, has ended; a failed command keeps it open.
class frmReportList : public QDialog {
    Q_OBJECT

public:
    // preselected: the report selected in the main list, the one first selected here when listed. Edit needs ACT!'s
    // fields.
    frmReportList(ReportListCommand command, const core::ReportLibrary& library, core::SettingsStore& store,
                  const QString& preselected, QWidget* parent = nullptr, act::FieldList* fields = nullptr);

    // The delete step ran, whatever its answer and outcome: the main list is to be refilled.
    bool deletionFlag() const { return m_deletionFlag; }
    // Rename: the report's new name once it has it.
    const QString& sNewName() const { return m_newName; }

private:
    void Form_Load(const QString& preselected);
    void cmdOK_Click();
    // True when the dialog may close.
    bool act(const QString& chosen);

    ReportListCommand m_command;
    const core::ReportLibrary& m_library;
    core::SettingsStore& m_store;
    act::FieldList* m_fields;
    bool m_deletionFlag = false;
    QString m_newName;

    QLabel* lblReports;
    QListWidget* lstReports;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

} // namespace gui
