#include "frmReportSettings.h"

#include "DataTab.h"
#include "EditorControls.h"
#include "EditorDialogs.h"
#include "FieldsTab.h"
#include "SectionTab.h"

#include "core/ProductName.h"
#include "core/definition/DefinitionFile.h"
#include "core/definition/DefinitionMessages.h"
#include "core/editor/EditorFields.h"
#include "core/editor/EditorTexts.h"
#include "core/editor/EditorValues.h"
#include "core/library/ReportCatalogue.h"
#include "gui/common/ErrorBox.h"
#include "gui/common/FieldListHelpers.h"
#include "gui/common/ListState.h"
#include "gui/common/Notice.h"
#include "gui/common/PlatformService.h"
#include "gui/common/TextBoxHelpers.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QVBoxLayout>

namespace gui {

namespace {

constexpr core::Procedure PopulateRight{"frmReportSettings", "Sub", "Populate_lstRight"};
constexpr core::Procedure FieldType{"frmReportSettings", "Function", "GetFieldType"};
constexpr core::Procedure CloseClick{"frmReportSettings", "Sub", "cmdClose_Click"};

using core::ReportDefinition;
using core::editor::EditorValues;

} // namespace

frmReportSettings::frmReportSettings(core::SettingsStore& store, act::FieldList& fields, ReportToEdit report,
                                     QWidget* parent)
    : QDialog(parent), m_store(store), m_fields(fields), m_report(std::move(report)),
      lblReportName(named(new QLabel(QStringLiteral("Report Name :")), QStringLiteral("lblReportName"))),
      txtReportName(named(new QLineEdit, QStringLiteral("txtReportName"))),
      mstSettings(named(new QTabWidget, QStringLiteral("mstSettings"))), data(new DataTab),
      fieldsTab(new FieldsTab), sections{new SectionTab(0), new SectionTab(1), new SectionTab(2)},
      // The summary's controls carry its index, their frame the next after the sections'.
      summary(QStringLiteral("Summary :"), SectionCount, ReportDefinition::Summary,
              {"Create a summary for this report", "At the top of the report", "At the bottom of the report"}),
      cmdClose(named(new QPushButton(QStringLiteral("Close")), QStringLiteral("cmdClose"))) {
    setObjectName(QStringLiteral("frmReportSettings"));
    setWindowTitle(core::texts::ReportSettingsCaption);
    // The name can be read, not changed: Close writes to the report that was opened.
    txtReportName->setReadOnly(true);
    txtReportName->setFocusProxy(cmdClose);

    auto* summaryTab = new QWidget;
    auto* summaryLayout = new QVBoxLayout(summaryTab);
    summaryLayout->addWidget(summary.fraSubTotal);
    summaryLayout->addStretch();
    mstSettings->addTab(data, QStringLiteral("Data"));
    mstSettings->addTab(fieldsTab, QStringLiteral("Fields"));
    const QString sectionCaptions[] = {QStringLiteral("1st Section"), QStringLiteral("2nd Section"),
                                       QStringLiteral("3rd Section")};
    for (int n = 0; n < SectionCount; ++n)
        mstSettings->addTab(sections[n], sectionCaptions[n]);
    mstSettings->addTab(summaryTab, QStringLiteral("Summary"));
    // Qt names the tab entered; the tab left is the one to save.
    connect(mstSettings, &QTabWidget::currentChanged, this, [this](int entered) {
        const int left = m_tab;
        m_tab = entered;
        mstSettings_Click(left);
    });
    connect(cmdClose, &QPushButton::clicked, this, &frmReportSettings::cmdClose_Click);
    connectSections();

    auto* name = new QHBoxLayout;
    name->addWidget(lblReportName);
    name->addWidget(txtReportName, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(name);
    layout->addWidget(mstSettings, 1);
    layout->addLayout(buttons);
    resize(600, 440);
}

frmReportSettings::~frmReportSettings() = default;

void frmReportSettings::edit(core::SettingsStore& store, act::FieldList& fields, const ReportToEdit& report,
                             QWidget* parent) {
    frmReportSettings window(store, fields, report, parent);
    if (window.Form_Load())
        window.exec();
}

bool frmReportSettings::csv() const {
    return m_report.outputType == static_cast<int>(core::OutputType::CsvFile);
}

bool frmReportSettings::Form_Load() {
    const QScopedValueRollback loading(m_loading, true);
    txtReportName->setText(m_report.reportName);
    // A definition that did not load leaves another report's keys in the working copy: Close must never see them.
    const core::DefinitionLoad load =
        core::Load_DefFile(m_store, m_report.reportFolder, m_report.reportName, m_report.outputType);
    if (!load.ok()) {
        showNotice(this, core::loadProblem(load), MessageIcon::Exclamation);
        return false;
    }
    m_definition = ReportDefinition::load(m_store);

    const core::editor::EditorReading reading = core::editor::readEditorValues(m_definition, !csv());
    data->setValues(reading.values);
    if (csv()) {
        data->showForCsv();
        for (const int tab : {FirstSectionTab + 1, FirstSectionTab + 2, static_cast<int>(SummaryTabIndex)})
            mstSettings->setTabEnabled(tab, false);
        for (SectionTab* section : sections)
            section->hideTitleAndSubTotal();
    }

    // A column list that ACT! could not label completely would lose its other columns on Close.
    const core::editor::IncludedFields columns = core::editor::readIncludedFields(m_definition, m_fields);
    if (columns.error) {
        showErrorBox(PopulateRight, __LINE__, *columns.error, this);
        return false;
    }
    fieldsTab->Populate_lstRight(columns.fields);
    setExclusionText(core::editor::notOffered(columns.fields));
    if (!Populate_lstFields(fieldsTab->lstLeft, m_fields, core::editor::ColumnTypes, QString()))
        return false;
    fieldsTab->sortNotIncluded();

    // The sort lists before the sections: a section without a field clears its boxes before they are loaded.
    for (int n = 0; n < SectionCount; ++n)
        sections[n]->Populate_SortCombo(columns.fields, reading.values.sections[n].sortField);
    for (int n = 0; n < SectionCount; ++n)
        sections[n]->setValues(reading.values.sections[n]);
    summary.setValues(reading.values.summary, reading.values.summaryBelow);

    m_opened = shownDefinition();
    if (const QString unread = core::texts::unreadSettings(reading.unread, columns); !unread.isEmpty())
        showNotice(this, unread, MessageIcon::Exclamation);
    return true;
}

void frmReportSettings::mstSettings_Click(int tabLeft) {
    bool saved = false;
    if (tabLeft == FieldsTabIndex) {
        Save_Fields();
        saved = true;
    } else if (tabLeft >= FirstSectionTab && tabLeft < FirstSectionTab + SectionCount) {
        saved = Save_Sections(tabLeft - FirstSectionTab);
    }
    if (saved)
        writeWorkingCopy();
}

void frmReportSettings::writeColumns(ReportDefinition& definition) const {
    QList<int> ids;
    QStringList labels;
    for (const core::editor::IncludedField& field : fieldsTab->included()) {
        ids.append(field.id);
        labels.append(field.label);
    }
    definition.setFields(ids, labels);
}

void frmReportSettings::Save_Fields() {
    writeColumns(m_definition);
    // A section's field that is no longer a column must not stay chosen, wherever the user goes next.
    Populate_SortCombos();
}

void frmReportSettings::Populate_SortCombos() {
    const QList<core::editor::IncludedField> columns = fieldsTab->included();
    for (SectionTab* section : sections)
        section->Populate_SortCombo(columns, section->sortField());
}

std::optional<QString> frmReportSettings::sortTypeOf(int section) {
    const int field = sections[section]->sortField();
    if (field == 0)
        return QString();
    const act::Result<QString> type = core::editor::GetFieldType(m_fields, field);
    if (!type) {
        showErrorBox(FieldType, __LINE__, type.error(), this);
        return std::nullopt;
    }
    return type.value();
}

bool frmReportSettings::Save_Sections(int section) {
    const std::optional<QString> type = sortTypeOf(section);
    if (type)
        core::editor::writeSection(m_definition, section, sections[section]->values(), *type);
    return type.has_value();
}

bool frmReportSettings::writeWorkingCopy() {
    if (m_definition.save(m_store))
        return true;
    showNotice(this, m_store.writeFailure(), MessageIcon::Exclamation);
    return false;
}

void frmReportSettings::applyControls(ReportDefinition& definition, const SortTypes& sortTypes) const {
    EditorValues values;
    data->readValues(values);
    for (int n = 0; n < SectionCount; ++n) {
        values.sections[n] = sections[n]->values();
        core::editor::writeSection(definition, n, values.sections[n], sortTypes[n]);
    }
    values.summary = summary.on();
    values.summaryBelow = summary.below();
    core::editor::writeDataAndSummary(definition, values, !csv());
}

ReportDefinition frmReportSettings::shownDefinition() const {
    ReportDefinition shown = m_definition;
    writeColumns(shown);
    // Sort types follow the fields, so a change shows without asking ACT!.
    applyControls(shown, {});
    return shown;
}

bool frmReportSettings::cmdClose_Click() {
    if (!csv()) {
        const core::editor::CellProblem problem =
            core::editor::checkTopLeftCell(data->txtTopLeftCol->text(), data->txtTopLeftRow->text());
        if (problem != core::editor::CellProblem::None) {
            const bool column = problem == core::editor::CellProblem::Column;
            showNotice(this, column ? core::texts::BadTopLeftColumn : core::texts::BadTopLeftRow,
                       MessageIcon::Exclamation);
            mstSettings->setCurrentIndex(DataTabIndex);
            GiveFocus(column ? data->txtTopLeftCol : data->txtTopLeftRow);
            return false;
        }
    }
    Save_Fields();
    SortTypes sortTypes;
    for (int n = 0; n < SectionCount; ++n) {
        const std::optional<QString> type = sortTypeOf(n);
        if (!type)
            return false;
        sortTypes[n] = *type;
    }
    applyControls(m_definition, sortTypes);
    // The file is written from the working copy, so a working copy that was not written must not reach it.
    if (!writeWorkingCopy())
        return false;
    const core::DefinitionSave saved =
        core::Update_DefFile(m_store, m_report.reportFolder, m_report.reportName, m_report.outputType);
    if (!saved.ok) {
        const core::SaveFailureBox box = core::saveFailureBox(saved, core::errors::PathFileAccessError);
        PlatformService::instance().message(this,
                                            {box.title, box.text, QMessageBox::Ok, MessageIcon::None, QMessageBox::Ok});
        showErrorBox(core::errorAt(CloseClick, __LINE__, core::errors::PathFileAccessError, saved.description), this);
        return false;
    }
    QDialog::accept();
    return true;
}

void frmReportSettings::reject() {
    if (shownDefinition() == m_opened) {
        QDialog::reject();
        return;
    }
    switch (PlatformService::instance().message(this, {core::ProductName, core::texts::SaveChanges,
                                                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                                       MessageIcon::Question, QMessageBox::Yes})) {
    case QMessageBox::Yes:
        cmdClose_Click();
        return;
    case QMessageBox::No:
        QDialog::reject();
        return;
    default:
        return;
    }
}

} // namespace gui
