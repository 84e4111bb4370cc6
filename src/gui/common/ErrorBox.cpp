#include "ErrorBox.h"

#include "PlatformService.h"

namespace gui {

void showErrorBox(const core::ErrorReport& report, QWidget* owner) {
    PlatformService::instance().message(owner, {core::errorBoxTitle(), core::errorBoxText(report), QMessageBox::Ok,
                                                MessageIcon::None, QMessageBox::Ok});
}

void showErrorBox(const Procedure& where, int line, long number, const QString& description, QWidget* owner) {
    showErrorBox({number, description, QString::fromLatin1(where.module), QString::fromLatin1(where.kind),
                  QString::fromLatin1(where.procedure), line},
                 owner);
}

void showErrorBox(const Procedure& where, int line, long number, QWidget* owner) {
    showErrorBox(where, line, number, core::errors::description(number), owner);
}

void showErrorBox(const Procedure& where, int line, const act::Error& error, QWidget* owner) {
    showErrorBox(where, line, error.number, QString::fromStdString(error.description), owner);
}

} // namespace gui
