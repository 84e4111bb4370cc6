#include "DataTab.h"

#include "EditorControls.h"

#include "gui/common/TextBoxHelpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace gui {

DataTab::DataTab(QWidget* parent)
    : QWidget(parent), fraHeader(named(new QGroupBox(QStringLiteral("Header :")), QStringLiteral("fraHeader"))),
      chkHeader(named(new QCheckBox(QStringLiteral("Use field names for top row of data range")),
                      QStringLiteral("chkHeader"))),
      fraTopLeft(named(new QGroupBox(QStringLiteral("Top Left cell :")), QStringLiteral("fraTopLeft"))),
      lblColumn(named(new QLabel(QStringLiteral("Column :")), QStringLiteral("lblColumn"))),
      txtTopLeftCol(named(new QLineEdit, QStringLiteral("txtTopLeftCol"))),
      lblRow(named(new QLabel(QStringLiteral("Row :")), QStringLiteral("lblRow"))),
      txtTopLeftRow(named(new QLineEdit, QStringLiteral("txtTopLeftRow"))) {
    (new QVBoxLayout(fraHeader))->addWidget(chkHeader);

    auto* cell = new QHBoxLayout;
    cell->addWidget(lblColumn);
    cell->addWidget(txtTopLeftCol);
    cell->addSpacing(24);
    cell->addWidget(lblRow);
    cell->addWidget(txtTopLeftRow);
    cell->addStretch();
    auto* topLeft = new QVBoxLayout(fraTopLeft);
    topLeft->addWidget(
        named(new QLabel(QStringLiteral("You can define where in your Excel spreadsheet you want the data imported.")),
              "lblTopLeft", 0));
    topLeft->addWidget(
        named(new QLabel(QStringLiteral("Enter the Top Left cell for the Data range :")), "lblTopLeft", 1));
    topLeft->addLayout(cell);
    txtTopLeftCol->setMaximumWidth(60);
    txtTopLeftRow->setMaximumWidth(90);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraHeader);
    layout->addWidget(fraTopLeft);
    layout->addStretch();

    ForceTextBoxNumeric(txtTopLeftRow, true);
    ForceTextBoxCase(txtTopLeftCol, UpperCase);
    ForceTextBoxLetters(txtTopLeftCol, 2);
    for (QLineEdit* box : {txtTopLeftCol, txtTopLeftRow})
        connect(box, &QLineEdit::inputRejected, this, &QApplication::beep);
}

void DataTab::setValues(const core::editor::EditorValues& values) {
    txtTopLeftCol->setText(values.topLeftColumn);
    txtTopLeftRow->setText(values.topLeftRow);
    chkHeader->setChecked(values.header);
}

void DataTab::readValues(core::editor::EditorValues& values) const {
    values.topLeftColumn = txtTopLeftCol->text();
    values.topLeftRow = txtTopLeftRow->text();
    values.header = chkHeader->isChecked();
}

void DataTab::showForCsv() {
    fraTopLeft->hide();
    chkHeader->setChecked(true);
    chkHeader->setEnabled(false);
}

} // namespace gui
