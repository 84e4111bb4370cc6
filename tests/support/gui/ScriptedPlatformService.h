#pragma once

#include "core/ErrorReport.h"
#include "gui/common/PlatformService.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

namespace testing_support {

// The platform service of the GUI tests: message boxes and dialogs are answered from queues of expectations,
// every request is recorded, and a box or dialog that nothing expected fails the test. "The program ends" is
// recorded instead of ending the test process.
class ScriptedPlatformService : public gui::PlatformService {
public:
    // Installs a fresh service for the process and returns it.
    static ScriptedPlatformService& install() {
        auto service = std::make_unique<ScriptedPlatformService>();
        ScriptedPlatformService& ref = *service;
        gui::PlatformService::install(std::move(service));
        return ref;
    }

    // Expects a box with exactly this text next and answers it; an optional hook runs while the box is "open".
    void expectMessage(const QString& text, QMessageBox::StandardButton answer = QMessageBox::Ok,
                       std::function<void()> whileOpen = {}) {
        expect(QRegularExpression::escape(text), answer, std::move(whileOpen));
    }
    // Expects the error box for an error caught in a procedure, at whatever line. An empty description stands for
    // the classic one of the number, or for any when the number has none.
    void expectErrorBox(const core::Procedure& where, long number, QString description = QString()) {
        // The box's own text, with stand-ins for the line and an open description turned into wildcards.
        const int anyLine = std::numeric_limits<int>::max();
        const QString anyDescription = QStringLiteral("\x01");
        if (description.isEmpty())
            description = core::errors::description(number);
        const QString text = core::errorBoxText(
            core::errorAt(where, anyLine, number, description.isEmpty() ? anyDescription : description));
        expect(QRegularExpression::escape(text)
                   .replace(QString::number(anyLine), QStringLiteral("\\d+"))
                   .replace(QRegularExpression::escape(anyDescription), QStringLiteral(".*")));
    }
    void expectSaveFile(std::optional<QString> answer) { m_saveAnswers.push_back(std::move(answer)); }
    void expectFolder(std::optional<QString> answer) { m_folderAnswers.push_back(std::move(answer)); }
    void setShellAccepts(bool accepts) { m_shellAccepts = accepts; }

    QMessageBox::StandardButton message(QWidget*, const gui::MessageRequest& request) override {
        messages.push_back(request);
        if (m_messages.empty() || !m_messages.front().text.match(request.text).hasMatch()) {
            ADD_FAILURE() << "unexpected message box: " << request.text.toStdString()
                          << (m_messages.empty() ? ""
                                                 : "\nexpected: " + m_messages.front().text.pattern().toStdString());
            return QMessageBox::NoButton;
        }
        const ExpectedMessage expected = std::move(m_messages.front());
        m_messages.pop_front();
        if (expected.whileOpen)
            expected.whileOpen();
        return expected.answer;
    }
    std::optional<QString> saveFileName(QWidget*, const gui::SaveFileRequest&) override {
        return next(m_saveAnswers, "save file");
    }
    std::optional<QString> chooseFolder(QWidget*, const QString&) override { return next(m_folderAnswers, "folder"); }
    // Nothing asks for a font or a colour yet.
    std::optional<QFont> chooseFont(QWidget*, const QFont&) override { return unexpected<QFont>("font"); }
    std::optional<QColor> chooseColour(QWidget*, const QColor&) override { return unexpected<QColor>("colour"); }
    bool open(const core::ShellRequest& request) override {
        shellOpens.push_back(request);
        return m_shellAccepts;
    }
    void endProgram(int exitCode) override { endings.push_back(exitCode); }

    // Expectations not yet met.
    std::size_t pending() const { return m_messages.size() + m_saveAnswers.size() + m_folderAnswers.size(); }

    std::vector<gui::MessageRequest> messages;
    std::vector<core::ShellRequest> shellOpens;
    std::vector<int> endings;

private:
    struct ExpectedMessage {
        QRegularExpression text;
        QMessageBox::StandardButton answer;
        std::function<void()> whileOpen;
    };

    void expect(const QString& pattern, QMessageBox::StandardButton answer = QMessageBox::Ok,
                std::function<void()> whileOpen = {}) {
        m_messages.push_back({QRegularExpression(QStringLiteral("\\A(?:") + pattern + QStringLiteral(")\\z")), answer,
                              std::move(whileOpen)});
    }
    template <typename T> static std::optional<T> unexpected(const char* what) {
        ADD_FAILURE() << "unexpected " << what << " dialog";
        return std::nullopt;
    }
    static std::optional<QString> next(std::deque<std::optional<QString>>& answers, const char* what) {
        if (answers.empty())
            return unexpected<QString>(what);
        // Copied out by value: moving the optional itself trips GCC 12's -Wmaybe-uninitialized.
        const bool given = answers.front().has_value();
        const QString answer = given ? *answers.front() : QString();
        answers.pop_front();
        return given ? std::optional<QString>(answer) : std::nullopt;
    }

    std::deque<ExpectedMessage> m_messages;
    std::deque<std::optional<QString>> m_saveAnswers;
    std::deque<std::optional<QString>> m_folderAnswers;
    bool m_shellAccepts = true;
};

} // namespace testing_support
