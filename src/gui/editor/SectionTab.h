#pragma once

#include "SubTotalFrame.h"

#include "core/editor/EditorFields.h"
#include "core/editor/EditorValues.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;

namespace gui {

// One section's tab of the editor: its sort level, the title above its groups and their sub-total.
class SectionTab : public QWidget {
public:
    SectionTab(int section, QWidget* parent = nullptr);

    // In the order of the window's opening; the sort field is the sort list's.
    void setValues(const core::editor::SectionValues& values);
    core::editor::SectionValues values() const;
    // Refills the sort list with the columns and selects the field, "_None" when it is not one of them; then
    // cboSortOrder_Click runs once, for that selection, when it is the first or a change.
    void Populate_SortCombo(const QList<core::editor::IncludedField>& columns, int field);
    // The sort field chosen; 0 for "_None".
    int sortField() const;
    // A CSV report sorts and nothing more; its title and sub-total keep the values loaded.
    void hideTitleAndSubTotal();
    // Availability follows the sort field and the boxes: runs after every change of them.
    void enableControls();

    QGroupBox* fraSort;
    QComboBox* cboSortOrder;
    QRadioButton* optAscending;
    QRadioButton* optDescending;
    QGroupBox* fraTitle;
    QCheckBox* chkTitle;
    QCheckBox* chkNoRepeat;
    QLabel* lblCaption;
    QLineEdit* txtTitleCaption;
    QPushButton* cmdTitleFormat;
    QPushButton* cmdBorder;
    QCheckBox* chkEmptyBefore;
    QCheckBox* chkEmptyAfter;
    QCheckBox* chkBorderBelow;
    SubTotalFrame subTotal;

private:
    void cboSortOrder_Click();

    bool m_titleAndTotalShown = true;
};

} // namespace gui
