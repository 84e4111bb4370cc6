#pragma once

#include "SubTotalFrame.h"

#include "core/definition/ReportDefinition.h"
#include "core/settings/SettingsStore.h"

#include <QDialog>
#include <QString>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace act {
class FieldList;
}

namespace gui {

class DataTab;
class FieldsTab;
class SectionTab;

// The report an editor opens: its name, folder and output type (0 Excel, 1 CSV).
struct ReportToEdit {
    QString reportFolder; // ends in a separator
    QString reportName;
    int outputType = 0;
};

// The definition editor. It edits the working copy, held here as a whole, and Close writes it to the report's
// definition file; closing otherwise asks first when something has changed.
class frmReportSettings : public QDialog {
    Q_OBJECT

public:
    frmReportSettings(core::SettingsStore& store, act::FieldList& fields, ReportToEdit report,
                      QWidget* parent = nullptr);
    ~frmReportSettings() override;

    // Opens the editor modally on a report and returns when it is closed; nothing opens when the definition cannot
    // be loaded or ACT! cannot list its fields (the user is told why).
    static void edit(core::SettingsStore& store, act::FieldList& fields, const ReportToEdit& report, QWidget* parent);

    // The opening sequence; false when the window must not be shown.
    bool Form_Load();
    // Escape and the window's close button.
    void reject() override;

    // Read by the sub-total options: the sub-total's section (99 the summary) and whether it stands below.
    int iSortIndex = 0;
    bool bBelow = true;

private:
    static constexpr int SectionCount = core::ReportDefinition::SectionCount;
    enum Tab { DataTabIndex = 0, FieldsTabIndex = 1, FirstSectionTab = 2, SummaryTabIndex = 5 };
    using SortTypes = std::array<QString, SectionCount>;

    bool csv() const;
    void mstSettings_Click(int tabLeft);
    // True when the report was saved and the window closed.
    bool cmdClose_Click();
    // The columns into the definition, then the sort lists refilled from them.
    void Save_Fields();
    void Populate_SortCombos();
    // A section's keys into the definition; false after an ACT! error, which has been shown.
    bool Save_Sections(int section);
    // The sort type of a section's field; nullopt after an ACT! error, which has been shown.
    std::optional<QString> sortTypeOf(int section);
    // Writes the definition to the working copy; false, after saying so, when that failed.
    bool writeWorkingCopy();
    void writeColumns(core::ReportDefinition& definition) const;
    // The definition with what the controls show; sort types as given.
    void applyControls(core::ReportDefinition& definition, const SortTypes& sortTypes) const;
    core::ReportDefinition shownDefinition() const;
    // The section handlers run on every change of their box, the program's too; each ends by deriving the
    // section's availability.
    void connectSections();
    void chkTitle_Click(int section);
    void chkTotals_Click(int section);
    void cmdOptions_Click(int section);
    void cmdTitleFormat_Click(int section);
    void cmdBorder_Click(int section);
    // A section's sub-total frame, or the summary's.
    SubTotalFrame& subTotal(int section);

    core::SettingsStore& m_store;
    act::FieldList& m_fields;
    const ReportToEdit m_report;
    core::ReportDefinition m_definition;
    core::ReportDefinition m_opened; // as shown when the opening ended, to tell a change
    int m_tab = DataTabIndex;
    bool m_loading = false; // ticking a sub-total opens its options only when the user does it

    QLabel* lblReportName;
    QLineEdit* txtReportName;
    QTabWidget* mstSettings;
    DataTab* data;
    FieldsTab* fieldsTab;
    std::array<SectionTab*, SectionCount> sections;
    SubTotalFrame summary;
    QPushButton* cmdClose;
};

} // namespace gui
