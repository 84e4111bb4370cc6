#include "ErrorBox.h"

#include "PlatformService.h"

namespace gui {

void showErrorBox(const core::ErrorReport& report, QWidget* owner) {
    PlatformService::instance().message(owner, {core::errorBoxTitle(), core::errorBoxText(report), QMessageBox::Ok,
                                                MessageIcon::None, QMessageBox::Ok});
}

void showErrorBox(const core::Procedure& where, int line, long number, QWidget* owner) {
    showErrorBox(core::errorAt(where, line, number), owner);
}

void showErrorBox(const core::Procedure& where, int line, const act::Error& error, QWidget* owner) {
    showErrorBox(core::errorAt(where, line, error), owner);
}

} // namespace gui
