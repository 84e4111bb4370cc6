#include "LibraryActions.h"

#include "core/ProductName.h"
#include "core/library/LibraryTexts.h"
#include "core/library/ReportLibrary.h"
#include "core/platform/ProgramFolder.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/SettingsStore.h"
#include "gui/common/ErrorBox.h"
#include "gui/common/Notice.h"
#include "gui/common/PlatformService.h"

#include <QDir>

namespace gui {

void showLibraryFailure(const core::LibraryResult& result, const core::Procedure& where, int line, QWidget* owner) {
    using Status = core::LibraryResult::Status;
    switch (result.status) {
    case Status::Done:
        return;
    case Status::NameRefused:
        showNotice(owner, core::texts::NameRefused, MessageIcon::Exclamation);
        return;
    case Status::NameTaken:
        showNotice(owner, core::texts::NameTaken, MessageIcon::Exclamation);
        return;
    case Status::SourceLocked:
        showNotice(owner, core::texts::unableToCopy(result.detail));
        return;
    case Status::Failed:
        showErrorBox(core::errorAt(where, line, result.errorNumber, result.detail), owner);
        return;
    }
}

Deletion deleteReport(const core::ReportLibrary& library, const QString& name, const core::Procedure& where,
                      QWidget* owner) {
    const QMessageBox::StandardButton answer = PlatformService::instance().message(
        owner, {core::texts::ConfirmDeletionTitle, core::texts::confirmDeletion(name),
                QMessageBox::Ok | QMessageBox::Cancel, MessageIcon::Critical, QMessageBox::Cancel});
    if (answer != QMessageBox::Ok)
        return Deletion::Cancelled;
    const core::LibraryResult result = library.remove(name);
    showLibraryFailure(result, where, __LINE__, owner);
    return result.ok() ? Deletion::Deleted : Deletion::Failed;
}

bool makeCsvReport(const core::ReportLibrary& library, const QString& name, const core::Procedure& where,
                   QWidget* owner) {
    const bool replace = library.csvReportExists(name);
    if (replace &&
        PlatformService::instance().message(owner, {core::ProductName, core::texts::replaceCsvReport(name),
                                                    QMessageBox::Yes | QMessageBox::No, MessageIcon::Question,
                                                    QMessageBox::No}) != QMessageBox::Yes)
        return true;
    const core::LibraryResult result = library.makeCsv(name, replace);
    showLibraryFailure(result, where, __LINE__, owner);
    if (result.ok())
        showNotice(owner, core::texts::CsvCreated);
    return result.ok();
}

bool editExcelTemplate(core::SettingsStore& store, const core::ReportLibrary& library, const QString& name,
                       const QString& launcher, const core::Procedure& where, QWidget* owner) {
    using namespace core::keys;
    if (!store.SaveSetting(Settings, Template, QStringLiteral("1")) ||
        !store.SaveSetting(Settings, TemplatePath, QDir::toNativeSeparators(library.templatePath(name)))) {
        showErrorBox(where, __LINE__, core::errors::PathFileAccessError, owner);
        return false;
    }
    const QString folder = core::programFolder();
    const QString file = QDir(folder).filePath(launcher);
    if (!PlatformService::instance().open({QStringLiteral("open"), file, QString(), folder, core::ShowAsItIs}))
        showNotice(owner, core::texts::templateNotOpened(QDir::toNativeSeparators(file)), MessageIcon::Exclamation);
    return true;
}

} // namespace gui
