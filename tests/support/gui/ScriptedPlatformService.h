#pragma once

#include "gui/common/PlatformService.h"

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace testing_support {

// The platform service of the GUI tests: message boxes and dialogs are answered from queues of expectations,
// every request is recorded, and a box that nothing expected fails the test. "The program ends" is recorded instead
// of ending the test process.
class ScriptedPlatformService : public gui::PlatformService {
public:
    // Installs a fresh service for the process and returns it.
    static ScriptedPlatformService& install();

    // Expects a box with exactly this text next and answers it; an optional hook runs while the box is "open".
    void expectMessage(const QString& text, QMessageBox::StandardButton answer = QMessageBox::Ok,
                       std::function<void()> whileOpen = {});
    // Expects the program-wide error box for an error caught in a procedure, at whatever line; an empty description
    // matches any.
    void expectErrorBox(long number, const QString& description, const QString& module, const QString& procedure,
                        const QString& kind = QStringLiteral("Sub"));
    void expectSaveFile(std::optional<QString> answer);
    void expectFolder(std::optional<QString> answer);
    void expectFont(std::optional<QFont> answer);
    void expectColour(std::optional<QColor> answer);
    void setShellAccepts(bool accepts) { m_shellAccepts = accepts; }

    QMessageBox::StandardButton message(QWidget* owner, const gui::MessageRequest& request) override;
    std::optional<QString> saveFileName(QWidget* owner, const gui::SaveFileRequest& request) override;
    std::optional<QFont> chooseFont(QWidget* owner, const QFont& initial) override;
    std::optional<QColor> chooseColour(QWidget* owner, const QColor& initial) override;
    std::optional<QString> chooseFolder(QWidget* owner, const QString& startFolder) override;
    bool open(const core::ShellRequest& request) override;
    void endProgram(int exitCode) override;

    // Expectations not yet met.
    std::size_t pending() const;

    std::vector<gui::MessageRequest> messages;
    std::vector<gui::SaveFileRequest> saveRequests;
    std::vector<QString> folderRequests;
    std::vector<core::ShellRequest> shellOpens;
    std::vector<int> endings;

private:
    struct ExpectedMessage {
        QString text;
        bool pattern = false; // text is a regular expression
        QMessageBox::StandardButton answer;
        std::function<void()> whileOpen;
    };
    std::deque<ExpectedMessage> m_messages;
    std::deque<std::optional<QString>> m_saveAnswers;
    std::deque<std::optional<QString>> m_folderAnswers;
    std::deque<std::optional<QFont>> m_fontAnswers;
    std::deque<std::optional<QColor>> m_colourAnswers;
    bool m_shellAccepts = true;
};

} // namespace testing_support
