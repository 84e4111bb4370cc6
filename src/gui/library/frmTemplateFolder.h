#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace core {
class SettingsStore;
}

namespace gui {

// The template folder dialog: where the reports are kept. The change takes effect at the next start.
class frmTemplateFolder : public QDialog {
    Q_OBJECT

public:
    explicit frmTemplateFolder(core::SettingsStore& store, QWidget* parent = nullptr);

Q_SIGNALS:
    // OK stored a new folder; path is the report folder path, ending in a separator.
    void reportFolderChanged(const QString& path);

private:
    void Form_Load();
    void cmdBrowse_Click();
    void cmdOK_Click();

    core::SettingsStore& m_store;
    QString m_openingValue;

    QLabel* lblLocation;
    QLineEdit* txtPath;
    QPushButton* cmdBrowse;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

} // namespace gui
