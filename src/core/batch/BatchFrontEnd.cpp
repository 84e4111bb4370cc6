#include "core/batch/BatchFrontEnd.h"

#include "core/text/LineBreaks.h"

namespace core {

namespace {

constexpr int ProgressIntervalMs = 250;

} // namespace

BatchFrontEnd::BatchFrontEnd(QTextStream& err, bool showProgress) : m_err(err), m_showProgress(showProgress) {}

void BatchFrontEnd::print(const QString& text) {
    finishProgress();
    m_err << withNewLines(text) << '\n';
    m_err.flush();
}

void BatchFrontEnd::message(const RunMessage& message) {
    print(message.text);
}

void BatchFrontEnd::errorBox(const ErrorReport& report) {
    print(errorBoxText(report));
}

std::optional<QString> BatchFrontEnd::chooseCsvFile(const QString&) {
    return std::nullopt;
}

bool BatchFrontEnd::step(const QString& phase, qint64 done, qint64 total) {
    if (!m_showProgress)
        return true;
    if (m_sinceLastProgress.isValid() && m_sinceLastProgress.elapsed() < ProgressIntervalMs)
        return true;
    m_sinceLastProgress.start();
    m_err << '\r' << phase << ' ' << done;
    if (total > 0)
        m_err << '/' << total;
    m_err << "\x1b[K";
    m_err.flush();
    m_progressShown = true;
    return true;
}

void BatchFrontEnd::finishProgress() {
    if (!m_progressShown)
        return;
    m_err << '\n';
    m_err.flush();
    m_progressShown = false;
}

} // namespace core
