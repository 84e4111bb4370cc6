// Renders each window and dialog of the program into a PNG named after it (the editor once a tab), for the README and
// for review.
// Run by scripts/screenshots inside private settings, state and program folders.
#include "act/Connection.h"
#include "core/ProductName.h"
#include "core/definition/DefinitionKeys.h"
#include "core/library/ReportLibrary.h"
#include "core/platform/ProgramFolder.h"
#include "core/settings/SettingsStore.h"
#include "gui/app/frmAbout.h"
#include "gui/app/frmMain.h"
#include "gui/common/DesktopPlatformService.h"
#include "gui/common/FontDialog.h"
#include "gui/editor/frmBorder.h"
#include "gui/editor/frmReportSettings.h"
#include "gui/editor/frmSubTotalOptions.h"
#include "gui/integration/frmIntegrate.h"
#include "gui/library/frmNew.h"
#include "gui/library/frmRename.h"
#include "gui/library/frmReportList.h"
#include "gui/library/frmTemplateFolder.h"
#include "standin/StandinBackend.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTextStream>

namespace {

class PrintingPlatformService : public gui::DesktopPlatformService {
public:
    QMessageBox::StandardButton message(QWidget*, const gui::MessageRequest& request) override {
        QTextStream(stderr) << request.title << ": " << request.text << '\n';
        return request.defaultButton == QMessageBox::NoButton ? QMessageBox::Ok : request.defaultButton;
    }
};

bool save(QWidget& window, const QDir& folder, const QString& name = QString()) {
    window.show();
    QApplication::processEvents();
    const QString file = folder.filePath((name.isEmpty() ? window.objectName() : name) + QStringLiteral(".png"));
    if (!window.grab().save(file)) {
        QTextStream(stderr) << "cannot write " << file << '\n';
        return false;
    }
    QTextStream(stdout) << file << '\n';
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = QApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: tallivo-screenshots DIR\n";
        return 2;
    }
    const QDir folder(args.at(1));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        QTextStream(stderr) << "cannot create " << folder.path() << '\n';
        return 1;
    }

    // Nothing may wait for a click here: boxes are printed and answered at once.
    gui::PlatformService::install(std::make_unique<PrintingPlatformService>());
    standin::StandinBackend backend;
    gui::frmMain mainWindow(backend);
    if (!mainWindow.Form_Load())
        return 1;
    mainWindow.resize(640, 420);
    bool saved = save(mainWindow, folder);

    core::SettingsStore store;
    gui::frmTemplateFolder templateFolder(store, &mainWindow);
    saved &= save(templateFolder, folder);
    gui::frmAbout about(core::ProductName, mainWindow.windowIcon(), &mainWindow);
    saved &= save(about, folder);
    // Integrated with the Contacts and Contact List toolbars and the Contacts menu (in the private ACT! state).
    gui::frmIntegrate integrate(backend, gui::mainWindowProperties(mainWindow.windowIcon()), &mainWindow);
    if (!integrate.Form_Load())
        return 1;
    for (const int box : {0, 1, 6})
        integrate.findChild<QCheckBox*>(QStringLiteral("chkScreen(%1)").arg(box))->click();
    saved &= save(integrate, folder);

    const core::ReportLibrary library(core::reportFolderPath(core::storedReportFolder(store)), core::programFolder(),
                                      core::OutputType::ExcelReport);
    const QString sample = QStringLiteral("Contacts by City");
    gui::frmNew newReport(library, QString(), &mainWindow);
    newReport.findChild<QLineEdit*>(QStringLiteral("txtNewName"))->setText(QStringLiteral("Contacts by State"));
    saved &= save(newReport, folder);
    gui::frmRename rename(library, sample, &mainWindow);
    saved &= save(rename, folder);
    gui::frmReportList list(gui::ReportListCommand::Duplicate, library, store, sample, &mainWindow);
    saved &= save(list, folder);

    // The editor on the sample, one picture a tab.
    act::Result<act::Connection> connection = act::Create_Database(backend, core::programFolder().toStdString());
    if (!connection)
        return 1;
    gui::frmReportSettings editor(store, *connection.value().fieldList,
                                  {library.reportFolder(), sample, static_cast<int>(core::OutputType::ExcelReport)},
                                  &mainWindow);
    if (!editor.Form_Load())
        return 1;
    auto* tabs = editor.findChild<QTabWidget*>(QStringLiteral("mstSettings"));
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        saved &= save(editor, folder, QStringLiteral("frmReportSettings-%1").arg(tab));
    }

    // The dialogs of the sample's 1st section: its sub-total options, its title's border and font.
    core::ReportDefinition definition = core::ReportDefinition::load(store);
    gui::frmSubTotalOptions options(definition, *connection.value().fieldList, 0, true, &editor);
    if (!options.Form_Load())
        return 1;
    saved &= save(options, folder);
    gui::frmBorder border(definition, &editor);
    border.sRegistry = core::keys::TitlePrefix;
    border.Load_settings();
    saved &= save(border, folder);
    gui::FontDialog font(definition.title(0).font, &editor);
    saved &= save(font, folder);
    return saved ? 0 : 1;
}
