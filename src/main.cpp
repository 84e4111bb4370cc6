#include "gui/app/frmMain.h"
#include "standin/StandinBackend.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // No application name is set: the instance lock relies on it staying the executable's.

    // The program ends when its main window's unload sequence says so, not when the last window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    standin::StandinBackend backend({.registerClient = true});
    gui::frmMain window(backend);
    if (!window.Form_Load())
        return 0;
    window.show();
    return QApplication::exec();
}
