#include "frmSubTotalOptions.h"

#include "EditorControls.h"
#include "EditorDialogs.h"
#include "frmBorder.h"

#include "core/definition/DefinitionKeys.h"
#include "core/editor/EditorTexts.h"
#include "gui/common/ErrorBox.h"
#include "gui/common/Notice.h"
#include "gui/common/TextBoxHelpers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace gui {

namespace {

constexpr core::Procedure LoadCombo{"frmSubTotalOptions", "Sub", "Load_Combo"};
using core::ColumnTotal;

template <typename Widget> Widget* control(const char* caption, const char* name) {
    return named(new Widget(QString::fromLatin1(caption)), QLatin1String(name));
}

} // namespace

frmSubTotalOptions::frmSubTotalOptions(core::ReportDefinition& definition, act::FieldList& fields, int section,
                                       bool below, QWidget* parent)
    : QDialog(parent), m_definition(definition), m_options(definition, section), m_fields(fields),
      fra1(control<QGroupBox>("Caption :", "fra1")), txtCaption(named(new QLineEdit, QStringLiteral("txtCaption"))),
      lblPosition(control<QLabel>("Write this caption in column :", "lblPosition")),
      txtCaptionCol(named(new QLineEdit, QStringLiteral("txtCaptionCol"))),
      fraFormatting(control<QGroupBox>("Default formatting for this sub-total section :", "fraFormatting")),
      chkBorder(control<QCheckBox>(below ? "Border above" : "Border below", "chkBorder")),
      cmdBorder(control<QPushButton>("Border", "cmdBorder")),
      cmdFontGlobal(control<QPushButton>("Font...", "cmdFontGlobal")),
      fraTotals(control<QGroupBox>("Calculation for each column :", "fraTotals")),
      cboFields(named(new QComboBox, QStringLiteral("cboFields"))),
      optCalc{named(new QRadioButton(QStringLiteral("No calculation")), "optCalc", ColumnTotal::None),
              named(new QRadioButton(QStringLiteral("Total")), "optCalc", ColumnTotal::Total),
              named(new QRadioButton(QStringLiteral("Average")), "optCalc", ColumnTotal::Average),
              named(new QRadioButton(QStringLiteral("Count")), "optCalc", ColumnTotal::Count)},
      calculations(new QButtonGroup(this)),
      chkDifferent(control<QCheckBox>("Ignore Default Formatting", "chkDifferent")),
      chkLineabove(control<QCheckBox>("Border above cell", "chkLineabove")),
      cmdFont(control<QPushButton>("Font...", "cmdFont")), fraEmpty(control<QGroupBox>("Empty lines :", "fraEmpty")),
      chkEmptyBefore(control<QCheckBox>("Empty line before the total", "chkEmptyBefore")),
      chkEmptyAfter(control<QCheckBox>("Empty line after the total", "chkEmptyAfter")),
      cmdClose(control<QPushButton>("&Close", "cmdClose")), cmdCancel(control<QPushButton>("&Cancel", "cmdCancel")) {
    setObjectName(QStringLiteral("frmSubTotalOptions"));
    setWindowTitle(core::texts::SubTotalOptionsCaption);
    for (int calculation = ColumnTotal::None; calculation <= ColumnTotal::Count; ++calculation)
        calculations->addButton(optCalc[static_cast<std::size_t>(calculation)], calculation);

    // Only the user's changes write: loading a column sets its controls without these signals.
    connect(cboFields, &QComboBox::currentIndexChanged, this, &frmSubTotalOptions::cboFields_Click);
    connect(calculations, &QButtonGroup::idClicked, this, &frmSubTotalOptions::optCalc_Click);
    connect(chkDifferent, &QCheckBox::clicked, this, &frmSubTotalOptions::chkDifferent_Click);
    connect(chkLineabove, &QCheckBox::clicked, this, [this](bool on) { m_options.setLineAbove(field(), on); });
    connect(chkBorder, &QCheckBox::toggled, this, &frmSubTotalOptions::enableControls);
    connect(cmdBorder, &QPushButton::clicked, this,
            [this] { frmBorder::edit(m_definition, core::keys::TotalPrefix, m_options.section(), this); });
    connect(cmdFontGlobal, &QPushButton::clicked, this, [this] { editFont(m_definition, m_options.rowFont(), this); });
    connect(cmdFont, &QPushButton::clicked, this,
            [this] { editFont(m_definition, m_options.columnFont(field()), this); });
    connect(cmdClose, &QPushButton::clicked, this, &frmSubTotalOptions::cmdClose_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    cmdClose->setDefault(true);

    auto* caption = new QGridLayout(fra1);
    caption->addWidget(txtCaption, 0, 0, 1, 2);
    caption->addWidget(lblPosition, 1, 0);
    caption->addWidget(txtCaptionCol, 1, 1);
    auto* formatting = new QHBoxLayout(fraFormatting);
    formatting->addWidget(chkBorder);
    formatting->addWidget(cmdBorder);
    formatting->addStretch();
    formatting->addWidget(cmdFontGlobal);
    auto* totals = new QGridLayout(fraTotals);
    totals->addWidget(cboFields, 0, 0, 1, 2);
    for (int calculation = ColumnTotal::None; calculation <= ColumnTotal::Count; ++calculation)
        totals->addWidget(optCalc[static_cast<std::size_t>(calculation)], 1 + calculation, 0);
    totals->addWidget(chkDifferent, 1, 1);
    totals->addWidget(chkLineabove, 2, 1);
    totals->addWidget(cmdFont, 3, 1, Qt::AlignLeft);
    auto* empty = new QHBoxLayout(fraEmpty);
    empty->addWidget(chkEmptyBefore);
    empty->addWidget(chkEmptyAfter);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    for (QGroupBox* frame : {fra1, fraFormatting, fraTotals, fraEmpty})
        layout->addWidget(frame);
    layout->addLayout(buttons);
}

bool frmSubTotalOptions::Form_Load() {
    act::Result<QList<core::editor::SubTotalColumn>> columns = core::editor::subTotalColumns(m_definition, m_fields);
    if (!columns) {
        showErrorBox(LoadCombo, __LINE__, columns.error(), this);
        return false;
    }
    m_columns = std::move(columns.value());

    core::editor::ValueReader reader(m_definition);
    const core::editor::SubTotalOptions::Row row = m_options.row(reader, columnCount());
    chkBorder->setChecked(row.border);
    chkEmptyBefore->setChecked(row.emptyBefore);
    chkEmptyAfter->setChecked(row.emptyAfter);
    txtCaption->setText(row.caption);
    txtCaptionCol->setText(QString::number(row.captionColumn));
    ForceTextBoxNumeric(txtCaptionCol, true);
    {
        const QSignalBlocker blocker(cboFields);
        for (const core::editor::SubTotalColumn& column : m_columns) {
            cboFields->addItem(column.caption, column.field);
            // Read now so that what cannot be read is named once, not each time its column is shown.
            m_options.column(reader, column.field);
        }
    }
    cboFields_Click();
    reportUnread(reader, this);
    return true;
}

int frmSubTotalOptions::field() const {
    return cboFields->currentData().toInt();
}

int frmSubTotalOptions::columnCount() const {
    return static_cast<int>(m_columns.size());
}

void frmSubTotalOptions::cboFields_Click() {
    if (cboFields->currentIndex() >= 0) {
        core::editor::ValueReader reader(m_definition);
        const core::editor::SubTotalOptions::Column column = m_options.column(reader, field());
        optCalc[column.calculation]->setChecked(true);
        chkDifferent->setChecked(column.different);
        chkLineabove->setChecked(column.lineAbove);
    }
    enableControls();
}

void frmSubTotalOptions::optCalc_Click(int calculation) {
    m_options.setCalculation(field(), static_cast<ColumnTotal::Calculation>(calculation));
}

void frmSubTotalOptions::chkDifferent_Click() {
    m_options.setDifferent(field(), chkDifferent->isChecked());
    if (!chkDifferent->isChecked())
        chkLineabove->setChecked(false);
    enableControls();
}

void frmSubTotalOptions::enableControls() {
    const int index = cboFields->currentIndex();
    const bool column = index >= 0;
    // A total or an average of text ends as nothing in the report; a stored one stays shown until changed.
    const bool numeric = column && m_columns[index].numeric;
    for (QWidget* control : std::initializer_list<QWidget*>{cboFields, optCalc[ColumnTotal::None],
                                                            optCalc[ColumnTotal::Count], chkDifferent})
        control->setEnabled(column);
    optCalc[ColumnTotal::Total]->setEnabled(numeric);
    optCalc[ColumnTotal::Average]->setEnabled(numeric);
    chkLineabove->setEnabled(column && chkDifferent->isChecked());
    cmdFont->setEnabled(column && chkDifferent->isChecked());
    cmdBorder->setEnabled(chkBorder->isChecked());
}

void frmSubTotalOptions::cmdClose_Click() {
    const std::optional<int> captionColumn = core::editor::readCaptionColumn(txtCaptionCol->text(), columnCount());
    if (!captionColumn) {
        showNotice(this, core::texts::badCaptionColumn(columnCount()), MessageIcon::Exclamation);
        GiveFocus(txtCaptionCol);
        return;
    }
    m_options.setRow({chkBorder->isChecked(), chkEmptyBefore->isChecked(), chkEmptyAfter->isChecked(),
                      txtCaption->text(), *captionColumn});
    accept();
}

} // namespace gui
