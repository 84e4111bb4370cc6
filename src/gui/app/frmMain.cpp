#include "frmMain.h"

namespace gui {

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tallivo"));
    resize(480, 360);
}

} // namespace gui
