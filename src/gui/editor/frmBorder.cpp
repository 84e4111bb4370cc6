#include "frmBorder.h"

#include "EditorDialogs.h"

#include "core/editor/EditorTexts.h"
#include "core/editor/ValueReader.h"
#include "gui/common/ColourBox.h"
#include "gui/common/ControlNames.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {

frmBorder::frmBorder(core::ReportDefinition& definition, QWidget* parent)
    : QDialog(parent), m_definition(definition),
      lblBorderStyle(named(new QLabel(QStringLiteral("Choose a border style")), QStringLiteral("lblBorderStyle"))),
      cboBorderStyle(named(new QComboBox, QStringLiteral("cboBorderStyle"))),
      lblColor(named(new QLabel(QStringLiteral("Color")), QStringLiteral("lblColor"))),
      picColor(named(new ColourBox, QStringLiteral("picColor"))),
      cmdOK(named(new QPushButton(QStringLiteral("&OK")), QStringLiteral("cmdOK"))),
      cmdCancel(named(new QPushButton(QStringLiteral("&Cancel")), QStringLiteral("cmdCancel"))) {
    setObjectName(QStringLiteral("frmBorder"));
    setWindowTitle(core::texts::BorderCaption);
    // In the order of the stored style numbers.
    cboBorderStyle->addItems(
        {QStringLiteral("Thin"), QStringLiteral("Medium"), QStringLiteral("Thick"), QStringLiteral("Double")});
    picColor->setToolTip(QStringLiteral("Double-click to choose the color"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmBorder::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(lblBorderStyle, 0, 0);
    grid->addWidget(cboBorderStyle, 1, 0);
    grid->addWidget(lblColor, 0, 1);
    grid->addWidget(picColor, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void frmBorder::edit(core::ReportDefinition& definition, const QString& prefix, int section, QWidget* parent) {
    frmBorder border(definition, parent);
    border.sRegistry = prefix;
    border.iRegistry = section;
    border.Load_settings();
    border.exec();
}

void frmBorder::Load_settings() {
    core::editor::ValueReader reader(m_definition);
    const core::LineFormat line = reader.line(sRegistry, iRegistry);
    cboBorderStyle->setCurrentIndex(line.style);
    picColor->setColour(line.colour);
    reportUnread(reader, this);
}

void frmBorder::cmdOK_Click() {
    core::editor::writeLine(m_definition, sRegistry, iRegistry, {cboBorderStyle->currentIndex(), picColor->colour()});
    accept();
}

} // namespace gui
