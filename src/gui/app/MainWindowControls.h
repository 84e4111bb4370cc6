#pragma once

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <array>

class QMainWindow;

namespace gui {

// The main window's controls and menus, named as the rest of the program and the tests know them.
struct MainWindowControls {
    QTabWidget* mstSSTab = nullptr;
    QGroupBox* fraTemplate = nullptr;
    QListWidget* lstReports = nullptr;
    QGroupBox* fraChoice = nullptr;
    QGroupBox* fraReport = nullptr;
    std::array<QRadioButton*, 3> optReport{};
    QGroupBox* fraOutput = nullptr;
    QComboBox* cboOutput = nullptr;
    QGroupBox* fraManagedby = nullptr;
    std::array<QRadioButton*, 2> optManagedby{};
    QListWidget* lstUsers = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    QMenu* mnuReport = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuEdit = nullptr;
    QAction* mnuDelete = nullptr;
    QAction* mnuRename = nullptr;
    QAction* mnuDuplicate = nullptr;
    QAction* mnuConvert = nullptr;
    QAction* mnuEditTemplate = nullptr;
    QMenu* mnuOptions = nullptr;
    QAction* mnuTemplateFolder = nullptr;
    QAction* mnuIntegrate = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuManual = nullptr;
    QAction* mnuAbout = nullptr;

    QMenu* mnuPopup = nullptr;
    QAction* mnuPopupNew = nullptr;
    QAction* mnuPopupEdit = nullptr;
    QAction* mnuPopupDelete = nullptr;
    QAction* mnuPopupDuplicate = nullptr;
    QAction* mnuPopupRename = nullptr;
    QAction* mnuPopupConvert = nullptr;
    QAction* mnuPopupEditTemplate = nullptr;

    // Builds every control, the menu bar and the pop-up menu into the window.
    static MainWindowControls build(QMainWindow* window);
};

} // namespace gui
