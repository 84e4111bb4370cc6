#include "MainWindowControls.h"

#include "gui/common/ControlNames.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QVBoxLayout>

namespace gui {

namespace {

QAction* entry(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void separator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

QFrame* line(const QString& name) {
    auto* rule = named(new QFrame, name);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    return rule;
}

QWidget* generalTab(MainWindowControls& c) {
    auto* tab = new QWidget;
    c.fraTemplate = named(new QGroupBox(QStringLiteral("Select a report template:")), QStringLiteral("fraTemplate"));
    c.lstReports = named(new QListWidget, QStringLiteral("lstReports"));
    c.lstReports->setSelectionMode(QAbstractItemView::SingleSelection);
    (new QVBoxLayout(c.fraTemplate))->addWidget(c.lstReports);

    c.fraChoice = named(new QGroupBox(QStringLiteral("Create report for:")), QStringLiteral("fraChoice"));
    c.fraReport = named(new QGroupBox(QStringLiteral("Report")), QStringLiteral("fraReport"));
    auto* reportLayout = new QVBoxLayout(c.fraReport);
    const QString captions[] = {QStringLiteral("&Current contact"), QStringLiteral("C&urrent lookup"),
                                QStringLiteral("A&ll contacts")};
    for (int i = 0; i < 3; ++i) {
        c.optReport[i] = named(new QRadioButton(captions[i]), QStringLiteral("optReport(%1)").arg(i));
        reportLayout->addWidget(c.optReport[i]);
    }
    (new QVBoxLayout(c.fraChoice))->addWidget(c.fraReport);

    c.fraOutput = named(new QGroupBox(QStringLiteral("Send output to:")), QStringLiteral("fraOutput"));
    c.cboOutput = named(new QComboBox, QStringLiteral("cboOutput"));
    (new QVBoxLayout(c.fraOutput))->addWidget(c.cboOutput);

    auto* right = new QVBoxLayout;
    right->addWidget(c.fraChoice);
    right->addWidget(c.fraOutput);
    right->addStretch();
    auto* layout = new QHBoxLayout(tab);
    layout->addWidget(c.fraTemplate, 3);
    layout->addLayout(right, 2);
    return tab;
}

QWidget* filterTab(MainWindowControls& c) {
    auto* tab = new QWidget;
    c.fraManagedby =
        named(new QGroupBox(QStringLiteral("Include data for contacts managed by :")), QStringLiteral("fraManagedby"));
    c.optManagedby[0] = named(new QRadioButton(QStringLiteral("&All users")), QStringLiteral("optManagedby(0)"));
    c.optManagedby[1] = named(new QRadioButton(QStringLiteral("&Selected user")), QStringLiteral("optManagedby(1)"));
    c.lstUsers = named(new QListWidget, QStringLiteral("lstUsers"));
    c.lstUsers->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* layout = new QVBoxLayout(c.fraManagedby);
    layout->addWidget(c.optManagedby[0]);
    layout->addWidget(c.optManagedby[1]);
    layout->addWidget(c.lstUsers);
    (new QVBoxLayout(tab))->addWidget(c.fraManagedby);
    return tab;
}

void buildMenus(QMainWindow* window, MainWindowControls& c) {
    QMenuBar* bar = window->menuBar();
    c.mnuReport = named(bar->addMenu(QStringLiteral("&Report  ")), QStringLiteral("mnuReport"));
    c.mnuNew = entry(c.mnuReport, "mnuNew", QStringLiteral("&New..."));
    c.mnuEdit = entry(c.mnuReport, "mnuEdit", QStringLiteral("&Edit..."));
    separator(c.mnuReport, "mnuSep1");
    c.mnuDelete = entry(c.mnuReport, "mnuDelete", QStringLiteral("&Delete..."));
    separator(c.mnuReport, "mnuSep2");
    c.mnuRename = entry(c.mnuReport, "mnuRename", QStringLiteral("&Rename..."));
    c.mnuDuplicate = entry(c.mnuReport, "mnuDuplicate", QStringLiteral("Du&plicate..."));
    c.mnuConvert = entry(c.mnuReport, "mnuConvert", QStringLiteral("&Make CSV report..."));
    separator(c.mnuReport, "mnuSep");
    c.mnuEditTemplate = entry(c.mnuReport, "mnuEditTemplate", QStringLiteral("Edit Excel &Template..."));

    c.mnuOptions = named(bar->addMenu(QStringLiteral("&Options  ")), QStringLiteral("mnuOptions"));
    c.mnuTemplateFolder = entry(c.mnuOptions, "mnuTemplateFolder", QStringLiteral("Template folder..."));
    separator(c.mnuOptions, "mnuSep99");
    c.mnuIntegrate = entry(c.mnuOptions, "mnuIntegrate", QStringLiteral("&Integrate with ACT!"));

    c.mnuHelp = named(bar->addMenu(QStringLiteral("&Help  ")), QStringLiteral("mnuHelp"));
    c.mnuManual = entry(c.mnuHelp, "mnuManual", QStringLiteral("&User's manual"));
    separator(c.mnuHelp, "mnuSep3");
    c.mnuAbout = entry(c.mnuHelp, "mnuAbout", QStringLiteral("&About"));

    c.mnuPopup = named(new QMenu(QStringLiteral("Popup"), window), QStringLiteral("mnuPopup"));
    c.mnuPopupNew = entry(c.mnuPopup, "mnuPopupNew", QStringLiteral("New..."));
    c.mnuPopupEdit = entry(c.mnuPopup, "mnuPopupEdit", QStringLiteral("Edit..."));
    separator(c.mnuPopup, "mnuPopupSep1");
    c.mnuPopupDelete = entry(c.mnuPopup, "mnuPopupDelete", QStringLiteral("Delete"));
    separator(c.mnuPopup, "mnuPopupSep2");
    c.mnuPopupDuplicate = entry(c.mnuPopup, "mnuPopupDuplicate", QStringLiteral("Duplicate..."));
    c.mnuPopupRename = entry(c.mnuPopup, "mnuPopupRename", QStringLiteral("Rename..."));
    c.mnuPopupConvert = entry(c.mnuPopup, "mnuPopupConvert", QStringLiteral("Make CSV report"));
    separator(c.mnuPopup, "mnuPopupSep");
    c.mnuPopupEditTemplate = entry(c.mnuPopup, "mnuPopupEditTemplate", QStringLiteral("Edit Excel Template..."));
}

} // namespace

MainWindowControls MainWindowControls::build(QMainWindow* window) {
    MainWindowControls c;
    auto* central = new QWidget(window);
    c.mstSSTab = named(new QTabWidget, QStringLiteral("mstSSTab"));
    c.mstSSTab->addTab(generalTab(c), QStringLiteral("General"));
    c.mstSSTab->addTab(filterTab(c), QStringLiteral("Filter"));

    c.cmdOK = named(new QPushButton(QStringLiteral("&Run")), QStringLiteral("cmdOK"));
    c.cmdCancel = named(new QPushButton(QStringLiteral("&Close")), QStringLiteral("cmdCancel"));
    c.cmdOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(c.cmdOK);
    buttons->addWidget(c.cmdCancel);

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(line(QStringLiteral("linLine(0)")));
    layout->addWidget(c.mstSSTab);
    layout->addWidget(line(QStringLiteral("linLine(1)")));
    layout->addLayout(buttons);
    window->setCentralWidget(central);
    buildMenus(window, c);
    return c;
}

} // namespace gui
