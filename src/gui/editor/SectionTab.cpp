#include "SectionTab.h"

#include "EditorControls.h"

#include "gui/common/ListHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace gui {

namespace {

const QString NoSortField = QStringLiteral("_None");

} // namespace

SectionTab::SectionTab(int section, QWidget* parent)
    : QWidget(parent),
      fraSort(named(new QGroupBox(QStringLiteral("Field and sort for this section :")), "fraSort", section)),
      cboSortOrder(named(new QComboBox, "cboSortOrder", section)),
      optAscending(named(new QRadioButton(QStringLiteral("Ascending")), "optAscending", section)),
      optDescending(named(new QRadioButton(QStringLiteral("Descending")), "optDescending", section)),
      fraTitle(named(new QGroupBox(QStringLiteral("Title :")), "fraTitle", section)),
      chkTitle(named(new QCheckBox(QStringLiteral("Add a title above this section")), "chkTitle", section)),
      chkNoRepeat(named(new QCheckBox(QStringLiteral("Do not repeat value in section")), "chkNoRepeat", section)),
      lblCaption(named(new QLabel(QStringLiteral("Caption :")), "lblCaption", section)),
      txtTitleCaption(named(new QLineEdit, "txtTitleCaption", section)),
      cmdTitleFormat(named(new QPushButton(QStringLiteral("Font...")), "cmdTitleFormat", section)),
      cmdBorder(named(new QPushButton(QStringLiteral("Border...")), "cmdBorder", section)),
      chkEmptyBefore(named(new QCheckBox(QStringLiteral("Empty line before title")), "chkEmptyBefore", section)),
      chkEmptyAfter(named(new QCheckBox(QStringLiteral("Empty line after title")), "chkEmptyAfter", section)),
      chkBorderBelow(
          named(new QCheckBox(QStringLiteral("Add a border below the title row")), "chkBorderBelow", section)),
      subTotal(QStringLiteral("Sub-total :"), section, section,
               {"Create a sub-total for this section", "Above the section (not compatible with a title)",
                "Below the section"}) {
    optAscending->setChecked(true);
    enableControls();
    connect(cboSortOrder, &QComboBox::currentIndexChanged, this, &SectionTab::cboSortOrder_Click);
    connect(chkBorderBelow, &QCheckBox::toggled, this, &SectionTab::enableControls);

    auto* sort = new QGridLayout(fraSort);
    sort->addWidget(cboSortOrder, 0, 0, 2, 1, Qt::AlignTop);
    sort->addWidget(optAscending, 0, 1);
    sort->addWidget(optDescending, 1, 1);
    sort->setColumnStretch(0, 1);

    auto* title = new QGridLayout(fraTitle);
    title->addWidget(chkTitle, 0, 0, 1, 2);
    title->addWidget(chkNoRepeat, 0, 2, 1, 2);
    title->addWidget(lblCaption, 1, 0);
    title->addWidget(txtTitleCaption, 1, 1, 1, 2);
    title->addWidget(cmdTitleFormat, 1, 3);
    title->addWidget(chkEmptyBefore, 2, 0, 1, 2);
    title->addWidget(chkEmptyAfter, 2, 2, 1, 2);
    title->addWidget(chkBorderBelow, 3, 0, 1, 3);
    title->addWidget(cmdBorder, 3, 3);
    title->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraSort);
    layout->addWidget(fraTitle);
    layout->addWidget(subTotal.fraSubTotal);
    layout->addStretch();
}

void SectionTab::setValues(const core::editor::SectionValues& values) {
    // A section without a field has no groups: its boxes stay clear, unless nobody sees them.
    const bool grouped = sortField() != 0 || !m_titleAndTotalShown;
    choose(optAscending, optDescending, !values.descending);
    subTotal.setValues(grouped && values.totals, values.totalBelow);
    txtTitleCaption->setText(values.titleCaption);
    chkTitle->setChecked(grouped && values.title);
    chkNoRepeat->setChecked(values.noRepeat);
    chkBorderBelow->setChecked(values.borderBelow);
    chkEmptyBefore->setChecked(values.emptyBefore);
    chkEmptyAfter->setChecked(values.emptyAfter);
}

core::editor::SectionValues SectionTab::values() const {
    core::editor::SectionValues values;
    values.sortField = sortField();
    values.descending = optDescending->isChecked();
    values.totals = subTotal.on();
    values.totalBelow = subTotal.below();
    values.titleCaption = txtTitleCaption->text();
    values.title = chkTitle->isChecked();
    values.noRepeat = chkNoRepeat->isChecked();
    values.borderBelow = chkBorderBelow->isChecked();
    values.emptyBefore = chkEmptyBefore->isChecked();
    values.emptyAfter = chkEmptyAfter->isChecked();
    return values;
}

void SectionTab::Populate_SortCombo(const QList<core::editor::IncludedField>& columns, int field) {
    const bool first = cboSortOrder->count() == 0;
    const int before = sortField();
    {
        // Each addItem could select and report an entry of its own; only the final selection counts.
        const QSignalBlocker blocker(cboSortOrder);
        Empty_List(cboSortOrder);
        cboSortOrder->addItem(NoSortField, 0);
        int selected = 0;
        for (int i = 0; i < columns.size(); ++i) {
            cboSortOrder->addItem(columns[i].label, columns[i].id);
            if (selected == 0 && field != 0 && columns[i].id == field)
                selected = i + 1;
        }
        cboSortOrder->setCurrentIndex(selected);
    }
    // A field that stays chosen leaves the section as it is, so an untouched definition is saved as it was loaded.
    if (first || sortField() != before)
        cboSortOrder_Click();
}

int SectionTab::sortField() const {
    return cboSortOrder->currentIndex() > 0 ? cboSortOrder->currentData().toInt() : 0;
}

void SectionTab::hideTitleAndSubTotal() {
    m_titleAndTotalShown = false;
    fraTitle->hide();
    subTotal.fraSubTotal->hide();
}

void SectionTab::enableControls() {
    const bool sorted = sortField() != 0;
    for (QWidget* control : std::initializer_list<QWidget*>{optAscending, optDescending, chkTitle, subTotal.chkTotals})
        control->setEnabled(sorted);
    const bool title = chkTitle->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{lblCaption, txtTitleCaption, chkNoRepeat, chkEmptyBefore,
                                                            chkEmptyAfter, chkBorderBelow, cmdTitleFormat})
        control->setEnabled(title);
    cmdBorder->setEnabled(title && chkBorderBelow->isChecked());
    subTotal.enable(title);
}

void SectionTab::cboSortOrder_Click() {
    // Without a field the section has no groups to give a title or a sub-total.
    if (sortField() == 0 && m_titleAndTotalShown) {
        chkTitle->setChecked(false);
        subTotal.chkTotals->setChecked(false);
    }
    enableControls();
}

} // namespace gui
