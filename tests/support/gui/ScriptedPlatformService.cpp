#include "ScriptedPlatformService.h"

#include "core/ErrorReport.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace testing_support {

namespace {

template <typename T> std::optional<T> next(std::deque<std::optional<T>>& answers, const char* what) {
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected " << what << " dialog";
        return std::nullopt;
    }
    const bool given = answers.front().has_value();
    T value = given ? *answers.front() : T();
    answers.pop_front();
    return given ? std::optional<T>(value) : std::nullopt;
}

} // namespace

ScriptedPlatformService& ScriptedPlatformService::install() {
    auto service = std::make_unique<ScriptedPlatformService>();
    ScriptedPlatformService& ref = *service;
    gui::PlatformService::install(std::move(service));
    return ref;
}

void ScriptedPlatformService::expectMessage(const QString& text, QMessageBox::StandardButton answer,
                                            std::function<void()> whileOpen) {
    m_messages.push_back({text, false, answer, std::move(whileOpen)});
}

void ScriptedPlatformService::expectErrorBox(long number, const QString& description, const QString& module,
                                             const QString& procedure, const QString& kind) {
    const auto escaped = [](const QString& text) { return QRegularExpression::escape(text); };
    const QString pattern =
        escaped(QStringLiteral("Error %1: '").arg(number)) +
        (description.isEmpty() ? QStringLiteral(".*") : escaped(description)) +
        escaped(QStringLiteral("'\rin %1: %2 %3 - Line # ").arg(module, kind, procedure)) + QStringLiteral("\\d+") +
        escaped(QStringLiteral("\r\rPlease contact %1 with this error message.").arg(core::supportAddress()));
    m_messages.push_back({pattern, true, QMessageBox::Ok, {}});
}

void ScriptedPlatformService::expectSaveFile(std::optional<QString> answer) { m_saveAnswers.push_back(answer); }
void ScriptedPlatformService::expectFolder(std::optional<QString> answer) { m_folderAnswers.push_back(answer); }
void ScriptedPlatformService::expectFont(std::optional<QFont> answer) { m_fontAnswers.push_back(answer); }
void ScriptedPlatformService::expectColour(std::optional<QColor> answer) { m_colourAnswers.push_back(answer); }

QMessageBox::StandardButton ScriptedPlatformService::message(QWidget*, const gui::MessageRequest& request) {
    messages.push_back(request);
    const auto matches = [&](const ExpectedMessage& expected) {
        if (!expected.pattern)
            return expected.text == request.text;
        return QRegularExpression(QStringLiteral("\\A") + expected.text + QStringLiteral("\\z"))
            .match(request.text)
            .hasMatch();
    };
    if (m_messages.empty() || !matches(m_messages.front())) {
        ADD_FAILURE() << "unexpected message box: \"" << request.title.toStdString() << "\": \""
                      << request.text.toStdString() << "\""
                      << (m_messages.empty() ? std::string()
                                             : " (expected \"" + m_messages.front().text.toStdString() + "\")");
        return QMessageBox::NoButton;
    }
    ExpectedMessage expected = std::move(m_messages.front());
    m_messages.pop_front();
    if (expected.whileOpen)
        expected.whileOpen();
    return expected.answer;
}

std::optional<QString> ScriptedPlatformService::saveFileName(QWidget*, const gui::SaveFileRequest& request) {
    saveRequests.push_back(request);
    return next(m_saveAnswers, "save file");
}

std::optional<QFont> ScriptedPlatformService::chooseFont(QWidget*, const QFont&) { return next(m_fontAnswers, "font"); }

std::optional<QColor> ScriptedPlatformService::chooseColour(QWidget*, const QColor&) {
    return next(m_colourAnswers, "colour");
}

std::optional<QString> ScriptedPlatformService::chooseFolder(QWidget*, const QString& startFolder) {
    folderRequests.push_back(startFolder);
    return next(m_folderAnswers, "folder");
}

bool ScriptedPlatformService::open(const core::ShellRequest& request) {
    shellOpens.push_back(request);
    return m_shellAccepts;
}

void ScriptedPlatformService::endProgram(int exitCode) { endings.push_back(exitCode); }

std::size_t ScriptedPlatformService::pending() const {
    return m_messages.size() + m_saveAnswers.size() + m_folderAnswers.size() + m_fontAnswers.size() +
           m_colourAnswers.size();
}

} // namespace testing_support
