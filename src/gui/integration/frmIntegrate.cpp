#include "frmIntegrate.h"

#include "core/ProductName.h"
#include "core/platform/ProgramFolder.h"
#include "gui/common/ControlNames.h"
#include "gui/common/ErrorBox.h"
#include "gui/common/PlatformService.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace gui {

namespace {

constexpr core::Procedure FormLoad{"frmIntegrate", "Sub", "Form_Load"};
constexpr core::Procedure BoxClick{"frmIntegrate", "Sub", "chkScreen_Click"};
constexpr int ViewCount = core::AuxIntegration::BoxCount / 2;

} // namespace

IntegrateProperties mainWindowProperties(const QIcon& icon) {
    return {.AppName = core::ProductName,
            .IntegrateIcon = icon,
            .Language = 0,
            .ContactScreen = true,
            .ContactListScreen = true,
            .GroupScreen = true,
            .TaskListScreen = true,
            .CalendarsScreen = true,
            .EmailScreen = false};
}

frmIntegrate::frmIntegrate(act::Backend& backend, IntegrateProperties properties, QWidget* parent)
    : QDialog(parent), m_backend(backend), m_properties(std::move(properties)),
      m_texts(core::integrationTexts(m_properties.Language)) {
    setObjectName(QStringLiteral("frmIntegrate"));
    setWindowTitle(m_texts.caption);
    setWindowIcon(m_properties.IntegrateIcon);

    const std::array<bool, ViewCount> screens{m_properties.ContactScreen,   m_properties.ContactListScreen,
                                              m_properties.GroupScreen,     m_properties.TaskListScreen,
                                              m_properties.CalendarsScreen, m_properties.EmailScreen};
    for (int i = 0; i < BoxCount; ++i) {
        chkScreen[i] = named(new QCheckBox(this), "chkScreen", i);
        lblScreen[i] = named(new QLabel(m_texts.views[i % ViewCount], this), "lblScreen", i);
        chkScreen[i]->setEnabled(screens[i % ViewCount]);
        lblScreen[i]->setEnabled(screens[i % ViewCount]);
        lblScreen[i]->installEventFilter(this);
        // Clicks only: setting the boxes from ACT! must not add anything.
        connect(chkScreen[i], &QCheckBox::clicked, this, [this, i] { chkScreen_Click(i); });
    }
    lblRestart = named(new QLabel(m_texts.restartLater, this), "lblRestart");
    cmdOK = named(new QPushButton(m_texts.close, this), "cmdOK");
    cmdCancel = named(new QPushButton(m_texts.cancel, this), "cmdCancel");
    cmdOK->setDefault(true);

    auto* frames = new QHBoxLayout;
    frames->addWidget(buildFrame(0, m_texts.toolbarFrame));
    frames->addWidget(buildFrame(1, m_texts.menuFrame));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addWidget(lblRestart);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &frmIntegrate::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

frmIntegrate::~frmIntegrate() = default;

QWidget* frmIntegrate::buildFrame(int frame, const QString& caption) {
    Frame1[frame] = named(new QGroupBox(caption, this), "Frame1", frame);
    auto* grid = new QGridLayout(Frame1[frame]);
    for (int row = 0; row < ViewCount; ++row) {
        grid->addWidget(chkScreen[frame * ViewCount + row], row, 0);
        grid->addWidget(lblScreen[frame * ViewCount + row], row, 1);
    }
    grid->setColumnStretch(1, 1);
    return Frame1[frame];
}

bool frmIntegrate::Form_Load() {
    m_auxCommands = m_backend.CreateAuxCommands();
    if (!m_auxCommands) {
        showErrorBox(FormLoad, __LINE__, core::errors::ObjectNotSet, this);
        return false;
    }
    m_integration.emplace(*m_auxCommands,
                          core::auxRegistration(m_properties.AppName, m_texts.clickToLaunch,
                                                QCoreApplication::applicationFilePath(), core::programFolder()));
    const act::Result<core::AuxIntegration::Boxes> boxes = m_integration->load();
    if (!boxes) {
        showErrorBox(FormLoad, __LINE__, boxes.error(), this);
        return false;
    }
    for (int i = 0; i < BoxCount; ++i)
        chkScreen[i]->setChecked(boxes.value()[i]);
    return true;
}

bool frmIntegrate::eventFilter(QObject* watched, QEvent* event) {
    const auto label = std::find(lblScreen.begin(), lblScreen.end(), watched);
    if (label == lblScreen.end())
        return QDialog::eventFilter(watched, event);
    // Taking the press makes the label receive the release that completes the click.
    if (event->type() == QEvent::MouseButtonPress)
        return true;
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // click() toggles the box and runs its handling, and does nothing for a disabled box.
        if (mouse->button() == Qt::LeftButton && (*label)->rect().contains(mouse->position().toPoint()))
            chkScreen[label - lblScreen.begin()]->click();
        return true;
    }
    return false;
}

void frmIntegrate::chkScreen_Click(int index) {
    const core::AuxClick outcome = m_integration->click(index, chkScreen[index]->isChecked());
    if (outcome.error)
        showErrorBox(BoxClick, __LINE__, *outcome.error, this);
    if (outcome.registrationRefused)
        showFailure();
    if (outcome.present)
        chkScreen[index]->setChecked(*outcome.present);
}

void frmIntegrate::showFailure() {
    PlatformService::instance().message(
        this, {m_properties.AppName, m_texts.cannotAdd, QMessageBox::Ok, MessageIcon::None, QMessageBox::Ok});
}

void frmIntegrate::cmdOK_Click() {
    if (m_integration->anyFailed())
        showFailure();
    if (m_integration->anyMade()) {
        const QMessageBox::StandardButton answer = PlatformService::instance().message(
            this, {m_properties.AppName, m_texts.restartNeeded + QStringLiteral("\r\n") + m_texts.restartNow,
                   QMessageBox::Yes | QMessageBox::No, MessageIcon::None, QMessageBox::Yes});
        if (answer == QMessageBox::Yes) {
            hide();
            Q_EMIT restartAccepted();
        }
    }
    accept();
}

} // namespace gui
