#pragma once

#include "core/ErrorReport.h"
#include "gui/common/PlatformService.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <variant>
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
    void expectSaveFile(const std::optional<QString>& answer) { expect("save file", answer); }
    void expectFolder(const std::optional<QString>& answer) { expect("folder", answer); }
    // The font dialog's answer to its preset; nullopt cancels.
    using FontAnswer = std::function<std::optional<core::FontFormat>(core::FontFormat)>;
    void expectFont(const FontAnswer& answer) { expect("font", answer); }
    void expectColour(const std::optional<QColor>& answer) { expect("colour", answer); }

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
    std::optional<QString> saveFileName(QWidget*, const gui::SaveFileRequest&) override {
        return answer<Text>("save file");
    }
    std::optional<QString> chooseFolder(QWidget*, const QString&) override { return answer<Text>("folder"); }
    std::optional<core::FontFormat> chooseFont(QWidget*, const core::FontFormat& preset) override {
        fontPresets.push_back(preset);
        const FontAnswer font = answer<FontAnswer>("font");
        return font ? font(preset) : std::nullopt;
    }
    std::optional<QColor> chooseColour(QWidget*, const QColor& initial) override {
        colourPresets.push_back(initial);
        return answer<std::optional<QColor>>("colour");
    }
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
    std::vector<core::FontFormat> fontPresets;
    std::vector<QColor> colourPresets;
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

    using Text = std::optional<QString>;
    using Answer = std::variant<Text, FontAnswer, std::optional<QColor>>;

    template <typename T> void expect(const std::string& dialog, const T& answer) {
        m_dialogs.emplace_back(dialog, Answer(std::in_place_type<T>, answer));
    }
    // The answer expected for a dialog of this kind; none (a cancel), after a failure, when another was expected.
    template <typename T> T answer(const std::string& dialog) {
        if (m_dialogs.empty() || m_dialogs.front().first != dialog) {
            ADD_FAILURE() << "unexpected " << dialog << " dialog";
            return T();
        }
        const T answer = std::get<T>(m_dialogs.front().second);
        m_dialogs.pop_front();
        return answer;
    }

    std::deque<ExpectedMessage> m_messages;
    std::deque<std::pair<std::string, Answer>> m_dialogs;
};

} // namespace testing_support
