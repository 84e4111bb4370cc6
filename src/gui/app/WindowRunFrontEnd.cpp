#include "WindowRunFrontEnd.h"

#include "gui/common/ErrorBox.h"
#include "gui/common/PlatformService.h"

#include <QApplication>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace gui {

namespace {

MessageIcon iconOf(core::RunMessage::Icon icon) {
    switch (icon) {
    case core::RunMessage::Icon::Exclamation:
        return MessageIcon::Exclamation;
    case core::RunMessage::Icon::Critical:
        return MessageIcon::Critical;
    case core::RunMessage::Icon::None:
        break;
    }
    return MessageIcon::None;
}

} // namespace

WindowRunFrontEnd::WindowRunFrontEnd(QWidget* window, int progressDelayMs)
    : m_window(window), m_progressDelayMs(progressDelayMs) {
    m_clock.start();
}

WindowRunFrontEnd::~WindowRunFrontEnd() {
    setBusy(false);
    delete m_progress;
}

void WindowRunFrontEnd::message(const core::RunMessage& message) {
    setBusy(false);
    delete m_progress;
    PlatformService::instance().message(
        m_window, {message.title, message.text, QMessageBox::Ok, iconOf(message.icon), QMessageBox::Ok});
}

void WindowRunFrontEnd::errorBox(const core::ErrorReport& report) {
    setBusy(false);
    showErrorBox(report, m_window);
}

std::optional<QString> WindowRunFrontEnd::chooseCsvFile(const QString& initialFolder) {
    delete m_progress;
    std::optional<QString> file = PlatformService::instance().saveFileName(
        m_window, {QStringLiteral("dlgCSV"), QStringLiteral("Save As"), initialFolder,
                   QStringLiteral("CSV Files (*.CSV)"), QStringLiteral("CSV")});
    // A name typed without an extension gets the default one.
    if (file && QFileInfo(*file).suffix().isEmpty())
        *file += QStringLiteral(".CSV");
    return file;
}

void WindowRunFrontEnd::setBusy(bool busy) {
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

bool WindowRunFrontEnd::step(const QString& phase, qint64 done, qint64 total) {
    if (!m_progress && m_clock.elapsed() >= m_progressDelayMs) {
        m_progress = new QProgressDialog(phase, QStringLiteral("Cancel"), 0, 0, m_window);
        m_progress->setObjectName(QStringLiteral("frmProgress"));
        m_progress->setWindowTitle(QStringLiteral("Tallivo"));
        m_progress->setWindowModality(Qt::WindowModal);
        m_progress->setAutoClose(false);
        m_progress->setAutoReset(false);
        m_progress->setMinimumDuration(0);
        m_progress->show();
    }
    if (m_progress) {
        m_progress->setLabelText(phase);
        const bool known = total > 0 && total <= std::numeric_limits<int>::max();
        m_progress->setMaximum(known ? static_cast<int>(total) : 0);
        m_progress->setValue(known ? static_cast<int>(std::min(done, total)) : 0);
    }
    // Until the modal dialog shows, user input waits, so nothing on the window can start a second command.
    QApplication::processEvents(m_progress ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    return !(m_progress && m_progress->wasCanceled());
}

} // namespace gui
