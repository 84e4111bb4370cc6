#pragma once

#include "core/definition/FontFormat.h"
#include "core/platform/Shell.h"

#include <QColor>
#include <QMessageBox>
#include <QString>

#include <memory>
#include <optional>

class QWidget;

namespace gui {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };

// A message box as the program asks for it. Texts keep their carriage returns; the box shows them as line breaks.
struct MessageRequest {
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    MessageIcon icon = MessageIcon::None;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

struct SaveFileRequest {
    QString name; // the dialog's object name
    QString title;
    QString initialPath;
    QString filter;
    QString defaultSuffix;
};

// Everything that leaves the window for the user's desktop or ends the program goes through here, so that tests
// can answer it and read back what was asked. It is also the shell every open of the program goes through.
class PlatformService : public core::Shell {
public:
    virtual QMessageBox::StandardButton message(QWidget* owner, const MessageRequest& request) = 0;
    // nullopt when the user cancels.
    virtual std::optional<QString> saveFileName(QWidget* owner, const SaveFileRequest& request) = 0;
    // The font dialog shown on a preset; nullopt when the user cancels.
    virtual std::optional<core::FontFormat> chooseFont(QWidget* owner, const core::FontFormat& preset) = 0;
    virtual std::optional<QColor> chooseColour(QWidget* owner, const QColor& initial) = 0;
    virtual std::optional<QString> chooseFolder(QWidget* owner, const QString& startFolder) = 0;
    virtual void endProgram(int exitCode) = 0;

    // The service in use; the desktop's unless a test installed its own.
    static PlatformService& instance();
    // Installs a service for the rest of the process (or until the next install); nullptr restores the desktop's.
    static void install(std::unique_ptr<PlatformService> service);
};

} // namespace gui
