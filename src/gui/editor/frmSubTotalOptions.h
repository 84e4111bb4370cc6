#pragma once

#include "core/editor/SubTotalOptions.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace act {
class FieldList;
}

namespace gui {

// "Sub-Total Options": the caption, empty lines, line and font of a sub-total row, and each column's calculation with
// its own font and line. Column, font and line changes go to the working copy at once; Close adds the row's five
// keys, Cancel leaves them as they were.
class frmSubTotalOptions : public QDialog {
public:
    // For section 0 to 2 or the summary (99), whose sub-total stands below its group when below is set.
    frmSubTotalOptions(core::ReportDefinition& definition, act::FieldList& fields, int section, bool below,
                       QWidget* parent = nullptr);

    // Fills the dialog; false, after the error box, when ACT! could not describe the columns.
    bool Form_Load();

private:
    // Shows the selected column's settings; nothing is written.
    void cboFields_Click();
    void optCalc_Click(int calculation);
    void chkDifferent_Click();
    void cmdClose_Click();
    // Availability follows the boxes and the selected column's kind.
    void enableControls();
    int field() const;
    int columnCount() const;

    core::ReportDefinition& m_definition;
    core::editor::SubTotalOptions m_options;
    act::FieldList& m_fields;
    QList<core::editor::SubTotalColumn> m_columns;

    QGroupBox* fra1;
    QLineEdit* txtCaption;
    QLabel* lblPosition;
    QLineEdit* txtCaptionCol;
    QGroupBox* fraFormatting;
    QCheckBox* chkBorder;
    QPushButton* cmdBorder;
    QPushButton* cmdFontGlobal;
    QGroupBox* fraTotals;
    QComboBox* cboFields;
    std::array<QRadioButton*, 4> optCalc;
    QButtonGroup* calculations;
    QCheckBox* chkDifferent;
    QCheckBox* chkLineabove;
    QPushButton* cmdFont;
    QGroupBox* fraEmpty;
    QCheckBox* chkEmptyBefore;
    QCheckBox* chkEmptyAfter;
    QPushButton* cmdClose;
    QPushButton* cmdCancel;
};

} // namespace gui
