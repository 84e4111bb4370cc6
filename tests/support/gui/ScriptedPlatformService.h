#pragma once

#include "core/ErrorReport.h"
#include "gui/common/PlatformService.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

namespace testing_support {

// The platform service of the GUI tests: boxes and dialogs are answered from queues of expectations, boxes and shell
// opens are recorded, and a box or dialog that nothing expected fails the test. Ending the program is only recorded.
class ScriptedPlatformService : public gui::PlatformService {
public:
    static ScriptedPlatformService& install() {
        auto* service = new ScriptedPlatformService;
        gui::PlatformService::install(std::unique_ptr<gui::PlatformService>(service));
        return *service;
    }

    // Expects a box with exactly this text next and answers it with OK, or the answer given; the hook runs while
    // the box is "open".
    void expectMessage(const QString& text, std::function<void()> whileOpen = {},
                       QMessageBox::StandardButton answer = QMessageBox::Ok) {
        m_messages.push_back({QRegularExpression::escape(text), std::move(whileOpen), QString(), answer});
    }
    // Expects a box whose whole text matches a pattern.
    void expectMessageLike(const QString& pattern) {
        m_messages.push_back({pattern, nullptr, QString(), QMessageBox::Ok});
    }
    // Expects the error box for an error caught in a procedure, at whatever line. An empty description stands for
    // the classic one of the number, or for any when the number has none; AnyDescription always for any.
    void expectErrorBox(const core::Procedure& where, long number, QString description = QString()) {
        using namespace Qt::StringLiterals;
        if (description.isEmpty())
            description = core::errors::description(number);
        // Stand-ins for the line and an open description, turned into wildcards once the text is escaped.
        const QString text = core::errorBoxText(
            core::errorAt(where, 999999, number, description.isEmpty() ? AnyDescription : description));
        QString pattern = QRegularExpression::escape(text).replace(u"999999"_s, u"\\d+"_s);
        m_messages.push_back({pattern.replace(u"\\\x01"_s, u".*"_s), nullptr, core::errorBoxTitle(), QMessageBox::Ok});
    }
    static inline const QString AnyDescription = QStringLiteral("\x01");
    // No answer cancels the dialog.
    void expectSaveFile(const std::optional<QString>& answer) { m_dialogs.push_back({"save file", answer}); }
    void expectFolder(const std::optional<QString>& answer) { m_dialogs.push_back({"folder", answer}); }

    QMessageBox::StandardButton message(QWidget*, const gui::MessageRequest& request) override {
        messages.push_back(request);
        if (m_messages.empty() || !m_messages.front().matches(request)) {
            ADD_FAILURE() << "unexpected box: " << request.title.toStdString() << ": " << request.text.toStdString()
                          << (m_messages.empty() ? "" : "\nexpected: " + m_messages.front().text.toStdString());
            return QMessageBox::NoButton;
        }
        const std::function<void()> whileOpen = std::move(m_messages.front().whileOpen);
        const QMessageBox::StandardButton answer = m_messages.front().answer;
        m_messages.pop_front();
        if (whileOpen)
            whileOpen();
        return answer;
    }
    std::optional<QString> saveFileName(QWidget*, const gui::SaveFileRequest&) override { return answer("save file"); }
    std::optional<QString> chooseFolder(QWidget*, const QString&) override { return answer("folder"); }
    std::optional<QFont> chooseFont(QWidget*, const QFont&) override { return unexpected("font"); }
    std::optional<QColor> chooseColour(QWidget*, const QColor&) override { return unexpected("colour"); }
    bool open(const core::ShellRequest& request) override {
        shellOpens.push_back(request);
        return shellAccepts;
    }
    void endProgram(int exitCode) override { endings.push_back(exitCode); }

    // Expectations not yet met.
    std::size_t pending() const { return m_messages.size() + m_dialogs.size(); }

    std::vector<gui::MessageRequest> messages;
    std::vector<core::ShellRequest> shellOpens;
    std::vector<int> endings;
    bool shellAccepts = true;

private:
    struct ExpectedMessage {
        QString text; // a pattern for the whole text
        std::function<void()> whileOpen;
        QString title; // null for any
        QMessageBox::StandardButton answer = QMessageBox::Ok;

        bool matches(const gui::MessageRequest& request) const {
            return QRegularExpression(QRegularExpression::anchoredPattern(text)).match(request.text).hasMatch() &&
                   (title.isNull() || title == request.title);
        }
    };

    static std::nullopt_t unexpected(const std::string& dialog) {
        ADD_FAILURE() << "unexpected " << dialog << " dialog";
        return std::nullopt;
    }
    std::optional<QString> answer(const std::string& dialog) {
        if (m_dialogs.empty() || m_dialogs.front().first != dialog)
            return unexpected(dialog);
        const std::optional<QString> answer = m_dialogs.front().second;
        m_dialogs.pop_front();
        return answer;
    }

    std::deque<ExpectedMessage> m_messages;
    std::deque<std::pair<std::string, std::optional<QString>>> m_dialogs;
};

} // namespace testing_support
