#include "StandinEventControl.h"

#include "ClientRegistry.h"

namespace standin {

namespace {

// Polling keeps the event at most this late; a file watcher alone misses atomic replacements.
constexpr int PollIntervalMs = 200;

} // namespace

StandinEventControl::StandinEventControl(StateFile state, QObject* parent)
    : QObject(parent), m_state(std::move(state)) {
    // Requests made before this control existed are not this program's to answer.
    if (auto data = m_state.read())
        m_lastFired = data.value().closeRequest();
    else
        m_lastFired = 0;
    m_timer.setInterval(PollIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &StandinEventControl::poll);
    m_timer.start();
}

act::Result<int> StandinEventControl::ConnectionState(int /*reserved*/) {
    auto data = m_state.read();
    if (!data)
        return 0;
    return data.value().running() && !data.value().database().empty() ? 1 : 0;
}

act::Status StandinEventControl::AcknowledgeClose() {
    return clients::acknowledge(m_state, clients::currentProcessId());
}

act::Result<bool> StandinEventControl::CommunicationFailed() {
    return !m_state.read().ok();
}

void StandinEventControl::poll() {
    auto data = m_state.read();
    if (!data)
        return;
    const long long request = data.value().closeRequest();
    if (request > m_lastFired) {
        m_lastFired = request;
        fireOnActUserWantsToClose();
    }
}

} // namespace standin
