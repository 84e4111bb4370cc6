#include "frmTemplateFolder.h"

#include "core/library/ReportCatalogue.h"
#include "core/platform/ProgramFolder.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/SettingsStore.h"
#include "gui/common/ControlNames.h"
#include "gui/common/ErrorBox.h"
#include "gui/common/PlatformService.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {

namespace {

constexpr core::Procedure OKClick{"frmTemplateFolder", "Sub", "cmdOK_Click"};

} // namespace

frmTemplateFolder::frmTemplateFolder(core::SettingsStore& store, QWidget* parent)
    : QDialog(parent), m_store(store),
      lblLocation(named(new QLabel(QStringLiteral("Location of your template folder:"), this), "lblLocation")),
      txtPath(named(new QLineEdit(this), "txtPath")),
      cmdBrowse(named(new QPushButton(QStringLiteral("Browse"), this), "cmdBrowse")),
      cmdOK(named(new QPushButton(QStringLiteral("&OK"), this), "cmdOK")),
      cmdCancel(named(new QPushButton(QStringLiteral("&Cancel"), this), "cmdCancel")) {
    setObjectName(QStringLiteral("frmTemplateFolder"));
    setWindowTitle(QStringLiteral("Templates Folder"));
    cmdOK->setDefault(true);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(txtPath, 1);
    pathRow->addWidget(cmdBrowse);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(cmdOK);
    buttonRow->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblLocation);
    layout->addLayout(pathRow);
    layout->addLayout(buttonRow);
    resize(460, sizeHint().height());

    connect(cmdBrowse, &QPushButton::clicked, this, &frmTemplateFolder::cmdBrowse_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmTemplateFolder::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    Form_Load();
}

void frmTemplateFolder::Form_Load() {
    // The text as stored: the separator of the report folder path is not added here.
    m_openingValue = core::storedReportFolder(m_store);
    txtPath->setText(m_openingValue);
}

void frmTemplateFolder::cmdBrowse_Click() {
    // An empty start folder roots the picker at the desktop.
    if (const std::optional<QString> folder = PlatformService::instance().chooseFolder(this, QString()))
        txtPath->setText(*folder);
}

void frmTemplateFolder::cmdOK_Click() {
    const QString folder = txtPath->text();
    if (folder != m_openingValue) {
        if (!m_store.SaveSetting(core::keys::Settings, core::keys::TemplatesFolder, folder)) {
            showErrorBox(OKClick, __LINE__, core::errors::PathFileAccessError, this);
            return;
        }
        Q_EMIT reportFolderChanged(core::reportFolderPath(folder));
        PlatformService::instance().message(
            this,
            {core::programFolder(), QStringLiteral("You need to restart the program for the changes to take effect."),
             QMessageBox::Ok, MessageIcon::None, QMessageBox::NoButton});
    }
    accept();
}

} // namespace gui
