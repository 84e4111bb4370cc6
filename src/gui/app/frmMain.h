#pragma once

#include "MainWindowControls.h"

#include "act/Backend.h"
#include "act/Connection.h"
#include "core/library/ReportLibrary.h"
#include "core/platform/InstanceLock.h"
#include "core/run/grid/ReportGrid.h"
#include "core/run/select/ContactSelection.h"
#include "core/settings/SettingsStore.h"
#include "gui/common/PlatformService.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

namespace gui {

// Tallivo's main window: loading it starts the program, unloading it ends the program.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(act::Backend& backend, QWidget* parent = nullptr);
    ~frmMain() override;

    // The load sequence. False when start-up was refused: the program has ended and the window must not be shown.
    bool Form_Load();
    // The unload sequence; the integration dialog runs it directly after setting the restart flag.
    void Form_Unload();

    void setRestartFlag(bool restart) { m_restartFlag = restart; }
    // How long a run goes before its progress dialog shows (tests shorten it).
    void setProgressDelay(int milliseconds) { m_progressDelayMs = milliseconds; }
    bool startupComplete() const { return m_startupComplete; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool refuse(const QString& text, MessageIcon icon);
    bool restoreChoices();
    void connectHandlers();

    void cmdOK_Click();
    core::SelectionRequest selectionOnWindow();
    void cboOutput_Click();
    void Update_ReportMenu();
    void Load_Reports();
    void lstReports_MouseDown(Qt::MouseButton button, const QPoint& globalPosition);
    void lstReports_DblClick();
    void optmanagedby_Click(int index);
    // The report library: the Report menu's entries pick the report in the report list dialog, the context menu's
    // act on the report selected here.
    void mnuNew_Click();
    void mnuEdit_Click();
    void mnuPopupEdit_Click();
    // ACT!'s fields for the editor; nullptr, after the error box, when start-up never connected to ACT!.
    act::FieldList* editorFields(const core::Procedure& where);
    void mnuDelete_Click();
    void mnuRename_Click();
    void mnuDuplicate_Click();
    void mnuConvert_Click();
    void mnuEditTemplate_Click();
    void mnuPopupDelete_Click();
    void mnuPopupRename_Click();
    void mnuPopupDuplicate_Click();
    void mnuPopupConvert_Click();
    void mnuPopupEditTemplate_Click();
    core::ReportLibrary library() const;
    QString selectedReport() const;
    // Refills the list from the report folder, sets the Report menu and selects the report of that name; false when
    // it is not listed.
    bool refillReports(const QString& select);
    void mnuTemplateFolder_Click();
    void mnuIntegrate_Click();
    void mnuManual_Click();
    void mnuAbout_Click();
    void tmr1_Timer();
    void ActEvent1_OnActUserWantsToClose();
    void closeWhenIdle();
    // A run in progress: a close request from ACT! waits for it to end.
    void setBusy(bool busy);

    void Save_Settings();
    void Save_List_Settings_Users(QListWidget* list, int number);
    void Load_List_Settings_Users(QListWidget* list, int number);

    act::Backend& m_backend;
    core::SettingsStore m_store;
    core::InstanceLock m_instanceLock;
    MainWindowControls c;
    std::unique_ptr<act::EventControl> ActEvent1;
    act::Connection m_connection;
    core::ReportGrid lvwSales; // the report grid, never shown
    QTimer tmr1;
    QTimer m_closeWhenIdle;

    QString m_reportFolder;
    int m_outputType = 0;
    core::Scope m_scope = core::Scope::CurrentContact;
    int m_ticks = 0;
    bool m_restartFlag = false;
    bool m_startupComplete = false;
    bool m_unloaded = false;
    bool m_busy = false;
    int m_progressDelayMs = 1000;
};

} // namespace gui
