#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace core {
struct LibraryResult;
struct Procedure;
} // namespace core

namespace gui {

// The name dialogs of the report library: a prompt, the name box, OK (default) and Cancel. A point, a slash or a
// backslash never enters the name box, typed or pasted.
class NameDialog : public QDialog {
    Q_OBJECT

protected:
    NameDialog(const QString& objectName, const QString& caption, const QString& prompt, QWidget* parent);

    virtual void cmdOK_Click() = 0;
    // Says why the name was not taken and hands it back to the user, selected.
    void refuse(const core::LibraryResult& result, const core::Procedure& where, int line);

    QLabel* lblNew;
    QLineEdit* txtNewName;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

} // namespace gui
