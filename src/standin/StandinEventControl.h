#pragma once

#include "StateFile.h"

#include "act/EventControl.h"

#include <QObject>
#include <QTimer>

namespace standin {

// The event control over the state file. It polls the file (at most 250 ms late) and fires OnActUserWantsToClose
// on the thread that made it, once for each close request this program has not yet acknowledged.
class StandinEventControl : public QObject, public act::EventControl {
public:
    explicit StandinEventControl(StateFile state = StateFile(), QObject* parent = nullptr);

    act::Result<int> ConnectionState(int reserved) override;
    act::Status AcknowledgeClose() override;
    act::Result<bool> CommunicationFailed() override;

private:
    void poll();

    StateFile m_state;
    QTimer m_timer;
    long long m_lastFired = -1;
};

} // namespace standin
