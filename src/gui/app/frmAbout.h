#pragma once

#include <QDialog>

class QIcon;

namespace gui {

// The about box: product, version, what Tallivo does and where to get support.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    frmAbout(const QString& title, const QIcon& icon, QWidget* parent = nullptr);
};

} // namespace gui
