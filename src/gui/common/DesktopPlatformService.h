#pragma once

#include "PlatformService.h"

namespace gui {

// The real desktop: Qt's dialogs and the platform's shell.
class DesktopPlatformService : public PlatformService {
public:
    QMessageBox::StandardButton message(QWidget* owner, const MessageRequest& request) override;
    std::optional<QString> saveFileName(QWidget* owner, const SaveFileRequest& request) override;
    std::optional<core::FontFormat> chooseFont(QWidget* owner, const core::FontFormat& preset) override;
    std::optional<QColor> chooseColour(QWidget* owner, const QColor& initial) override;
    std::optional<QString> chooseFolder(QWidget* owner, const QString& startFolder) override;
    bool open(const core::ShellRequest& request) override;
    void endProgram(int exitCode) override;
};

} // namespace gui
