#include "DesktopPlatformService.h"

#include "FontDialog.h"

#include "core/text/LineBreaks.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QStandardPaths>

namespace gui {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

std::unique_ptr<PlatformService>& installed() {
    static std::unique_ptr<PlatformService> service = std::make_unique<DesktopPlatformService>();
    return service;
}

} // namespace

PlatformService& PlatformService::instance() {
    return *installed();
}

void PlatformService::install(std::unique_ptr<PlatformService> service) {
    installed() = service ? std::move(service) : std::make_unique<DesktopPlatformService>();
}

QMessageBox::StandardButton DesktopPlatformService::message(QWidget* owner, const MessageRequest& request) {
    QMessageBox box(qtIcon(request.icon), request.title, core::withNewLines(request.text), request.buttons, owner);
    box.setObjectName(QStringLiteral("messageBox"));
    if (request.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(request.defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::optional<QString> DesktopPlatformService::saveFileName(QWidget* owner, const SaveFileRequest& request) {
    QFileDialog dialog(owner, request.title, request.initialPath, request.filter);
    dialog.setObjectName(request.name);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<core::FontFormat> DesktopPlatformService::chooseFont(QWidget* owner, const core::FontFormat& preset) {
    FontDialog dialog(preset, owner);
    return dialog.exec() == QDialog::Accepted ? std::optional(dialog.font()) : std::nullopt;
}

std::optional<QColor> DesktopPlatformService::chooseColour(QWidget* owner, const QColor& initial) {
    const QColor colour = QColorDialog::getColor(initial, owner);
    return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
}

std::optional<QString> DesktopPlatformService::chooseFolder(QWidget* owner, const QString& startFolder) {
    QString start = startFolder;
    if (start.isEmpty())
        start = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QString folder = QFileDialog::getExistingDirectory(owner, QString(), start, QFileDialog::ShowDirsOnly);
    return folder.isEmpty() ? std::nullopt : std::optional<QString>(folder);
}

bool DesktopPlatformService::open(const core::ShellRequest& request) {
    return core::DesktopShell().open(request);
}

void DesktopPlatformService::endProgram(int exitCode) {
    QCoreApplication::exit(exitCode);
}

} // namespace gui
