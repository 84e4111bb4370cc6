#pragma once

#include "act/Backend.h"
#include "core/integration/AuxIntegration.h"
#include "core/integration/IntegrationTexts.h"

#include <QDialog>
#include <QIcon>

#include <array>
#include <memory>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace gui {

// What the opener sets before the dialog loads.
struct IntegrateProperties {
    QString AppName;
    QIcon IntegrateIcon;
    int Language = 0;
    bool ContactScreen = false;
    bool ContactListScreen = false;
    bool GroupScreen = false;
    bool TaskListScreen = false;
    bool CalendarsScreen = false;
    bool EmailScreen = false;
};

// The properties the main window opens the dialog with: every view but E-mail can be chosen.
IntegrateProperties mainWindowProperties(const QIcon& icon);

// Adds and removes the program's toolbar button and Tools-menu entry in ACT!'s views as the user ticks and clears
// boxes. ACT! shows the changes only once it has reopened its database, so Close offers to restart it.
class frmIntegrate : public QDialog {
    Q_OBJECT

public:
    frmIntegrate(act::Backend& backend, IntegrateProperties properties, QWidget* parent = nullptr);
    ~frmIntegrate() override;

    // Reads from ACT! where the program is; false, after the error box, when ACT! cannot say.
    bool Form_Load();

Q_SIGNALS:
    // The user agreed to restart ACT!; the dialog is hidden and closes once the owner has handled it.
    void restartAccepted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int BoxCount = core::AuxIntegration::BoxCount;

    QWidget* buildFrame(int frame, const QString& caption);
    void chkScreen_Click(int index);
    void cmdOK_Click();
    void showFailure();

    act::Backend& m_backend;
    const IntegrateProperties m_properties;
    const core::IntegrationTexts& m_texts;
    std::shared_ptr<act::AuxCommands> m_auxCommands;
    std::optional<core::AuxIntegration> m_integration;

    std::array<QCheckBox*, BoxCount> chkScreen{};
    std::array<QLabel*, BoxCount> lblScreen{};
    std::array<QGroupBox*, 2> Frame1{};
    QLabel* lblRestart = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};

} // namespace gui
