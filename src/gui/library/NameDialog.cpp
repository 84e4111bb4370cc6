#include "NameDialog.h"

#include "LibraryActions.h"

#include "core/library/ReportNames.h"
#include "gui/common/ControlNames.h"
#include "gui/common/TextBoxHelpers.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace gui {

NameDialog::NameDialog(const QString& objectName, const QString& caption, const QString& prompt, QWidget* parent)
    : QDialog(parent), lblNew(named(new QLabel(prompt, this), "lblNew")),
      txtNewName(named(new QLineEdit(this), "txtNewName")),
      cmdOK(named(new QPushButton(QStringLiteral("&OK"), this), "cmdOK")),
      cmdCancel(named(new QPushButton(QStringLiteral("&Cancel"), this), "cmdCancel")) {
    setObjectName(objectName);
    setWindowTitle(caption);
    cmdOK->setDefault(true);
    // A whole edit holding one of them is refused, so a pasted "../x" leaves the box as it was.
    txtNewName->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[^%1]*").arg(QRegularExpression::escape(core::SwallowedNameCharacters))),
        txtNewName));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblNew);
    layout->addWidget(txtNewName);
    layout->addLayout(buttons);
    resize(380, sizeHint().height());

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void NameDialog::refuse(const core::LibraryResult& result, const core::Procedure& where, int line) {
    showLibraryFailure(result, where, line, this);
    GiveFocus(txtNewName);
}

} // namespace gui
