#include "frmMain.h"

#include "WindowRunFrontEnd.h"
#include "frmAbout.h"

#include "core/ProductName.h"
#include "core/library/ReportCatalogue.h"
#include "core/platform/ProgramFolder.h"
#include "core/run/ReportRun.h"
#include "core/run/RunProcedures.h"
#include "core/run/RunTexts.h"
#include "core/settings/MainWindowChoices.h"
#include "core/settings/SettingsKeys.h"
#include "core/startup/ActStartupCheck.h"
#include "gui/common/ErrorBox.h"
#include "gui/common/ListHelpers.h"
#include "gui/common/Notice.h"
#include "gui/integration/frmIntegrate.h"
#include "gui/library/frmTemplateFolder.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>

namespace gui {

namespace {

constexpr core::Procedure FormLoad{"frmMain", "Sub", "Form_Load"};
constexpr core::Procedure FormUnload{"frmMain", "Sub", "Form_Unload"};
constexpr int CloseCheckIntervalMs = 100;
constexpr int TickIntervalMs = 1000;
constexpr int TicksToEnd = 2;
const QString ExcelReportText = QStringLiteral("Excel Report");
const QString DatabaseNotReopened = QStringLiteral(
    "ACT! has closed the database %1 and could not be made to reopen it. Please open it in ACT! yourself.");

// An option button set as a stored value would set it: true chooses it, false clears it.
void setOption(QRadioButton* button, bool chosen) {
    if (chosen) {
        button->setChecked(true);
        return;
    }
    if (button->isChecked()) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

QStringList selectedTexts(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->isSelected())
            texts.append(list->item(row)->text());
    return texts;
}

int selectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.constFirst());
}

} // namespace

frmMain::frmMain(act::Backend& backend, QWidget* parent)
    : QMainWindow(parent), m_backend(backend), c(MainWindowControls::build(this)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(core::ProductName);
    setWindowIcon(QIcon(QDir(core::programFolder()).filePath(QStringLiteral("tallivo.ico"))));
    tmr1.setObjectName(QStringLiteral("tmr1"));
    tmr1.setInterval(0);
    m_closeWhenIdle.setInterval(CloseCheckIntervalMs);
    c.lstUsers->setEnabled(false);
    connectHandlers();
}

frmMain::~frmMain() = default;

void frmMain::connectHandlers() {
    connect(c.cmdOK, &QPushButton::clicked, this, &frmMain::cmdOK_Click);
    connect(c.cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    for (int i = 0; i < 2; ++i)
        connect(c.optManagedby[i], &QRadioButton::toggled, this, [this, i](bool chosen) {
            if (chosen)
                optmanagedby_Click(i);
        });
    connect(c.mnuTemplateFolder, &QAction::triggered, this, &frmMain::mnuTemplateFolder_Click);
    connect(c.mnuIntegrate, &QAction::triggered, this, &frmMain::mnuIntegrate_Click);
    connect(c.mnuManual, &QAction::triggered, this, &frmMain::mnuManual_Click);
    connect(c.mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(c.mnuNew, &QAction::triggered, this, &frmMain::mnuNew_Click);
    connect(c.mnuEdit, &QAction::triggered, this, &frmMain::mnuEdit_Click);
    connect(c.mnuPopupEdit, &QAction::triggered, this, &frmMain::mnuPopupEdit_Click);
    connect(c.mnuDelete, &QAction::triggered, this, &frmMain::mnuDelete_Click);
    connect(c.mnuRename, &QAction::triggered, this, &frmMain::mnuRename_Click);
    connect(c.mnuDuplicate, &QAction::triggered, this, &frmMain::mnuDuplicate_Click);
    connect(c.mnuConvert, &QAction::triggered, this, &frmMain::mnuConvert_Click);
    connect(c.mnuEditTemplate, &QAction::triggered, this, &frmMain::mnuEditTemplate_Click);
    connect(c.mnuPopupNew, &QAction::triggered, c.mnuNew, &QAction::trigger);
    connect(c.mnuPopupDelete, &QAction::triggered, this, &frmMain::mnuPopupDelete_Click);
    connect(c.mnuPopupRename, &QAction::triggered, this, &frmMain::mnuPopupRename_Click);
    connect(c.mnuPopupDuplicate, &QAction::triggered, this, &frmMain::mnuPopupDuplicate_Click);
    connect(c.mnuPopupConvert, &QAction::triggered, this, &frmMain::mnuPopupConvert_Click);
    connect(c.mnuPopupEditTemplate, &QAction::triggered, this, &frmMain::mnuPopupEditTemplate_Click);
    connect(&tmr1, &QTimer::timeout, this, &frmMain::tmr1_Timer);
    connect(&m_closeWhenIdle, &QTimer::timeout, this, &frmMain::closeWhenIdle);
    c.lstReports->viewport()->installEventFilter(this);
}

bool frmMain::refuse(const QString& text, MessageIcon icon) {
    showNotice(this, text, icon);
    ActEvent1.reset();
    m_instanceLock.unlock();
    m_unloaded = true;
    PlatformService::instance().endProgram(0);
    return false;
}

bool frmMain::Form_Load() {
    if (!m_instanceLock.tryLock())
        return refuse(m_instanceLock.refusal(), MessageIcon::None);
    // Settings that cannot be read are left as they are: the window would write them.
    if (const QString problem = m_store.check(); !problem.isEmpty())
        return refuse(problem, MessageIcon::Critical);

    ActEvent1 = m_backend.CreateEventControl();
    ActEvent1->setOnActUserWantsToClose([this] { ActEvent1_OnActUserWantsToClose(); });
    switch (const core::ActStartupCheck act = core::checkAct(*ActEvent1); act.status) {
    case core::ActStartupCheck::Status::Ready:
        break;
    case core::ActStartupCheck::Status::Failed:
        showErrorBox(FormLoad, __LINE__, *act.error, this);
        return true;
    case core::ActStartupCheck::Status::Unreachable:
        return refuse(act.refusal(), MessageIcon::Critical);
    case core::ActStartupCheck::Status::NoDatabaseOpen:
        return refuse(act.refusal(), MessageIcon::Exclamation);
    }

    act::Result<act::Connection> connection = act::Create_Database(m_backend, core::programFolder().toStdString());
    if (!connection) {
        showErrorBox(core::procedures::Create_Database, __LINE__, connection.error(), this);
        return true;
    }
    m_connection = std::move(connection).value();

    m_reportFolder = core::reportFolderPath(core::storedReportFolder(m_store));
    c.mstSSTab->setCurrentIndex(0);
    Load_Reports();
    m_startupComplete = restoreChoices();
    return true;
}

// Start-up from the output choice on: each stored value that cannot be used is reported once and replaced by its
// default, and start-up goes on.
bool frmMain::restoreChoices() {
    const core::StoredChoices stored = core::loadMainWindowChoices(m_store);
    const core::MainWindowChoices& choices = stored.choices;
    const auto reportProblemsOf = [&](const QString& key, int line) {
        for (const core::ChoiceProblem& problem : stored.problems)
            if (problem.key == key)
                showErrorBox(FormLoad, line, problem.errorNumber, this);
    };

    c.cboOutput->addItem(ExcelReportText);
    c.cboOutput->addItem(QStringLiteral("CSV File (Export)"));
    reportProblemsOf(core::keys::cboOutput, __LINE__);
    c.cboOutput->setCurrentIndex(choices.cboOutput);
    cboOutput_Click();
    connect(c.cboOutput, &QComboBox::currentIndexChanged, this, &frmMain::cboOutput_Click);

    if (!Load_Users(c.lstUsers, *m_connection.usersTable))
        return false;

    reportProblemsOf(core::keys::ReportsListIndex, __LINE__);
    if (choices.reportsListIndex < c.lstReports->count()) {
        if (choices.reportsListIndex >= 0)
            c.lstReports->setCurrentRow(choices.reportsListIndex);
    } else if (c.lstReports->count() > 0) {
        c.lstReports->setCurrentRow(0);
    }

    for (int i = 0; i < 3; ++i) {
        reportProblemsOf(core::keys::ReportPrefix + QString::number(i), __LINE__);
        setOption(c.optReport[i], choices.report[i]);
    }
    for (int i = 0; i < 2; ++i) {
        reportProblemsOf(core::keys::ManagedByPrefix + QString::number(i), __LINE__);
        setOption(c.optManagedby[i], choices.managedBy[i]);
    }
    if (c.optManagedby[1]->isChecked())
        Load_List_Settings_Users(c.lstUsers, 0);
    Update_ReportMenu();
    return true;
}

void frmMain::Form_Unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_closeWhenIdle.stop();
    std::string databasePath;
    if (m_restartFlag && m_connection.database) {
        const act::Result<std::string> path = m_connection.database->GetDatabasePath();
        const act::Status closed = path ? m_connection.application->Command(150) : act::Status(path.error());
        if (!closed)
            showErrorBox(FormUnload, __LINE__, closed.error(), this);
        else
            databasePath = path.value();
    }
    // A start-up that stopped part way must not store its half-filled choices over the user's.
    if (m_startupComplete)
        Save_Settings();
    if (const act::Status released = m_connection.Release(); !released)
        showErrorBox(FormUnload, __LINE__, released.error(), this);

    if (!m_restartFlag) {
        ActEvent1.reset();
        return;
    }
    if (!databasePath.empty()) {
        const QString database = QString::fromStdString(databasePath);
        if (!PlatformService::instance().open(
                {QStringLiteral("open"), database, QString(), core::programFolder(), core::ShowAsItIs}))
            // ACT! has closed the database and the program is about to end: only the user can reopen it now.
            showNotice(this, DatabaseNotReopened.arg(database), MessageIcon::Exclamation);
    }
    hide();
    m_ticks = 0;
    tmr1.start(TickIntervalMs);
}

void frmMain::closeEvent(QCloseEvent* event) {
    const bool alreadyUnloaded = m_unloaded;
    Form_Unload();
    if (m_restartFlag) {
        // The hidden program lives on until its timer ends it.
        event->ignore();
        hide();
        return;
    }
    event->accept();
    if (!alreadyUnloaded)
        PlatformService::instance().endProgram(0);
}

// A main window has no default button: Enter presses the focused button, or else "&Run".
void frmMain::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    QPushButton* button = focused ? focused : c.cmdOK;
    if (button->isEnabled())
        button->click();
}

void frmMain::tmr1_Timer() {
    if (++m_ticks < TicksToEnd)
        return;
    tmr1.stop();
    m_instanceLock.unlock();
    PlatformService::instance().endProgram(0);
}

void frmMain::ActEvent1_OnActUserWantsToClose() {
    if (const act::Status acknowledged = ActEvent1->AcknowledgeClose(); !acknowledged) {
        showErrorBox({"frmMain", "Sub", "ActEvent1_OnActUserWantsToClose"}, __LINE__, acknowledged.error(), this);
        return;
    }
    if (m_restartFlag || m_unloaded)
        return;
    // Never unload under an open dialog or a run: the request is carried out when they end.
    m_closeWhenIdle.start();
    closeWhenIdle();
}

void frmMain::closeWhenIdle() {
    if (m_busy || QApplication::activeModalWidget())
        return;
    m_closeWhenIdle.stop();
    close();
}

void frmMain::setBusy(bool busy) {
    m_busy = busy;
}

void frmMain::cmdOK_Click() {
    const QList<QListWidgetItem*> selected = c.lstReports->selectedItems();
    if (selected.isEmpty()) {
        showNotice(this, core::texts::NoReportSelected);
        c.mstSSTab->setCurrentIndex(0);
        return;
    }
    if (!m_connection.contactTable) {
        showErrorBox({"frmMain", "Sub", "cmdOK_Click"}, __LINE__, core::errors::ObjectNotSet, this);
        return;
    }
    core::RunRequest request;
    request.reportName = selected.constFirst()->text();
    request.outputType = m_outputType;
    request.reportFolder = m_reportFolder;
    request.programFolder = core::programFolder();
    request.selection = selectionOnWindow();

    WindowRunFrontEnd front(this, m_progressDelayMs);
    core::ReportRun run(m_store, m_connection, PlatformService::instance(), front, lvwSales, request);
    setBusy(true);
    core::RunStatus status = run.loadDefinition();
    if (status == core::RunStatus::Done)
        status = run.execute();
    setBusy(false);
    // A complete run ends the program; anything else leaves the window for another try.
    if (status == core::RunStatus::Done)
        close();
}

core::SelectionRequest frmMain::selectionOnWindow() {
    m_scope = core::chosenScope({c.optReport[0]->isChecked(), c.optReport[1]->isChecked(), c.optReport[2]->isChecked()},
                                m_scope);
    core::SelectionRequest selection;
    selection.scope = m_scope;
    selection.filterByManager = !c.optManagedby[0]->isChecked();
    selection.programFolder = core::programFolder();
    if (selection.filterByManager && !c.lstUsers->selectedItems().isEmpty())
        for (const int row : GetSelectedItems(c.lstUsers))
            selection.selectedUserNumbers.append(c.lstUsers->item(row)->data(Qt::UserRole).toInt());
    return selection;
}

void frmMain::cboOutput_Click() {
    m_outputType = c.cboOutput->currentIndex();
    Load_Reports();
    Update_ReportMenu();
}

void frmMain::Load_Reports() {
    gui::Load_Reports(c.lstReports, m_reportFolder, m_outputType);
}

void frmMain::Update_ReportMenu() {
    const bool hasReports = c.lstReports->count() > 0;
    for (QAction* action : {c.mnuEdit, c.mnuDelete, c.mnuDuplicate, c.mnuRename})
        action->setEnabled(hasReports);
    const bool excel = hasReports && m_outputType == 0 && c.cboOutput->currentText() == ExcelReportText;
    c.mnuEditTemplate->setEnabled(excel);
    c.mnuConvert->setEnabled(excel);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == c.lstReports->viewport()) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::RightButton) {
                if (event->type() == QEvent::MouseButtonPress)
                    lstReports_MouseDown(mouse->button(), mouse->globalPosition().toPoint());
                // The right button leaves the selection as it was: a view may select on the release as well.
                return true;
            }
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            lstReports_DblClick();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::lstReports_MouseDown(Qt::MouseButton button, const QPoint& globalPosition) {
    if (button != Qt::RightButton)
        return;
    const bool selected = !c.lstReports->selectedItems().isEmpty();
    for (QAction* action : {c.mnuPopupEdit, c.mnuPopupDelete, c.mnuPopupDuplicate, c.mnuPopupRename})
        action->setEnabled(selected);
    c.mnuPopupEditTemplate->setEnabled(selected && m_outputType == 0);
    c.mnuPopupConvert->setEnabled(selected && m_outputType == 0);
    c.mnuPopup->popup(globalPosition);
}

// The pop-up entry may still be disabled from a right-click on empty space, and a disabled action ignores trigger().
void frmMain::lstReports_DblClick() {
    mnuPopupEdit_Click();
}

void frmMain::optmanagedby_Click(int index) {
    c.lstUsers->setEnabled(index == 1);
    if (!c.lstUsers->isEnabled())
        Deselect(c.lstUsers);
}

void frmMain::mnuTemplateFolder_Click() {
    frmTemplateFolder dialog(m_store, this);
    connect(&dialog, &frmTemplateFolder::reportFolderChanged, this,
            [this](const QString& path) { m_reportFolder = path; });
    dialog.exec();
}

void frmMain::mnuIntegrate_Click() {
    frmIntegrate dialog(m_backend, mainWindowProperties(windowIcon()), this);
    connect(&dialog, &frmIntegrate::restartAccepted, this, [this] {
        setRestartFlag(true);
        Form_Unload();
    });
    if (dialog.Form_Load())
        dialog.exec();
}

void frmMain::mnuManual_Click() {
    const QString folder = core::programFolder();
    // Whether a program could open the manual is not reported.
    PlatformService::instance().open({QStringLiteral("Open"),
                                      QDir(folder).filePath(QStringLiteral("Tallivo_manual.pdf")), QString(), folder,
                                      core::ShowAsItIs});
}

void frmMain::mnuAbout_Click() {
    frmAbout about(core::ProductName, windowIcon(), this);
    about.exec();
}

void frmMain::Save_Settings() {
    core::MainWindowChoices choices;
    for (int i = 0; i < 3; ++i)
        choices.report[i] = c.optReport[i]->isChecked();
    for (int i = 0; i < 2; ++i)
        choices.managedBy[i] = c.optManagedby[i]->isChecked();
    choices.cboOutput = c.cboOutput->currentIndex();
    choices.reportsListIndex = selectedRow(c.lstReports);
    if (!core::saveMainWindowChoices(m_store, choices))
        showErrorBox({"frmMain", "Sub", "Save_Settings"}, __LINE__, core::errors::PathFileAccessError, this);
    Save_List_Settings_Users(c.lstUsers, 0);
}

void frmMain::Save_List_Settings_Users(QListWidget* list, int number) {
    const QStringList names = selectedTexts(list);
    if (names.isEmpty())
        return; // the stored users stay as they were
    if (!m_store.SaveSetting(core::keys::Settings, list->objectName() + QString::number(number),
                             core::joinUserNames(names)))
        showErrorBox({"frmMain", "Sub", "Save_List_Settings_Users"}, __LINE__, core::errors::PathFileAccessError, this);
}

void frmMain::Load_List_Settings_Users(QListWidget* list, int number) {
    // Whole names: a stored "Bob Smith" must not also select "Bob".
    const QStringList stored =
        core::splitUserNames(m_store.GetSetting(core::keys::Settings, list->objectName() + QString::number(number)));
    for (int row = 0; row < list->count(); ++row)
        if (stored.contains(list->item(row)->text()))
            list->item(row)->setSelected(true);
}

} // namespace gui
