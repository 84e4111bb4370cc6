// The section and summary handlers of the definition editor: titles, sub-totals, their fonts, borders and options.
#include "frmReportSettings.h"

#include "EditorDialogs.h"
#include "SectionTab.h"
#include "frmBorder.h"
#include "frmSubTotalOptions.h"

#include "core/definition/DefinitionKeys.h"
#include "core/editor/EditorTexts.h"
#include "gui/common/PlatformService.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace gui {

using core::ReportDefinition;

void frmReportSettings::connectSections() {
    for (int n = 0; n < SectionCount; ++n) {
        SectionTab* section = sections[n];
        connect(section->chkTitle, &QCheckBox::toggled, this, [this, n] { chkTitle_Click(n); });
        connect(section->cmdTitleFormat, &QPushButton::clicked, this, [this, n] { cmdTitleFormat_Click(n); });
        connect(section->cmdBorder, &QPushButton::clicked, this, [this, n] { cmdBorder_Click(n); });
    }
    for (const int n : {0, 1, 2, ReportDefinition::Summary}) {
        connect(subTotal(n).chkTotals, &QCheckBox::toggled, this, [this, n] { chkTotals_Click(n); });
        connect(subTotal(n).cmdOptions, &QPushButton::clicked, this, [this, n] { cmdOptions_Click(n); });
    }
}

SubTotalFrame& frmReportSettings::subTotal(int section) {
    return section == ReportDefinition::Summary ? summary : sections[section]->subTotal;
}

void frmReportSettings::chkTitle_Click(int section) {
    SectionTab& tab = *sections[section];
    // A CSV report's sections are out of sight, so it asks nothing about them.
    if (!csv() && tab.chkTitle->isChecked() && tab.subTotal.chkTotals->isChecked() &&
        tab.subTotal.optAbove->isChecked()) {
        const QMessageBox::StandardButton answer = PlatformService::instance().message(
            this, {core::texts::IncompatibleSettingsTitle, core::texts::IncompatibleSettings,
                   QMessageBox::Yes | QMessageBox::No, MessageIcon::Exclamation, QMessageBox::Yes});
        if (answer == QMessageBox::Yes)
            tab.subTotal.optBelow->setChecked(true);
        else
            tab.chkTitle->setChecked(false);
    }
    tab.enableControls();
}

void frmReportSettings::chkTotals_Click(int section) {
    SubTotalFrame& frame = subTotal(section);
    const bool on = frame.chkTotals->isChecked();
    if (section == ReportDefinition::Summary) {
        frame.enable(false);
    } else {
        // Under a title a sub-total can only stand below the section.
        if (on && sections[section]->chkTitle->isChecked())
            frame.optBelow->setChecked(true);
        sections[section]->enableControls();
    }
    if (on && !m_loading)
        cmdOptions_Click(section);
}

void frmReportSettings::cmdOptions_Click(int section) {
    iSortIndex = section;
    bBelow = subTotal(section).below();
    frmSubTotalOptions options(m_definition, m_fields, iSortIndex, bBelow, this);
    if (options.Form_Load())
        options.exec();
}

void frmReportSettings::cmdTitleFormat_Click(int section) {
    editFont(m_definition, ReportDefinition::titleFontKeys(section), this);
}

void frmReportSettings::cmdBorder_Click(int section) {
    frmBorder::edit(m_definition, core::keys::TitlePrefix, section, this);
}

} // namespace gui
