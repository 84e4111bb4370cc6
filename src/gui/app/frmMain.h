#pragma once

#include <QMainWindow>

namespace gui {

// Tallivo's main window.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
};

} // namespace gui
