#include "Notice.h"

#include "core/ProductName.h"

namespace gui {

void showNotice(QWidget* owner, const QString& text, MessageIcon icon) {
    PlatformService::instance().message(owner, {core::ProductName, text, QMessageBox::Ok, icon, QMessageBox::Ok});
}

} // namespace gui
