#pragma once

#include "Result.h"

#include <functional>

namespace act {

// ACT!'s event control: the start-up checks and the announcement that ACT!'s user closes ACT!.
class EventControl {
public:
    virtual ~EventControl() = default;

    // Dispatch member 1(0): 1 or more when ACT! runs with a database open, else 0.
    virtual Result<int> ConnectionState(int reserved) = 0;
    // Dispatch member 2(): acknowledges the current close request.
    virtual Status AcknowledgeClose() = 0;
    // Dispatch member 3(): true when ACT! cannot be communicated with at all.
    virtual Result<bool> CommunicationFailed() = 0;

    // Event OnActUserWantsToClose, fired on the thread that made the control, once per request.
    void setOnActUserWantsToClose(std::function<void()> handler) { m_onActUserWantsToClose = std::move(handler); }

protected:
    void fireOnActUserWantsToClose() {
        if (m_onActUserWantsToClose)
            m_onActUserWantsToClose();
    }

private:
    std::function<void()> m_onActUserWantsToClose;
};

} // namespace act
