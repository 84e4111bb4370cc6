#include "gui/app/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallivo"));
    gui::frmMain window;
    window.show();
    return QApplication::exec();
}
