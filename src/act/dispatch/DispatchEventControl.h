#pragma once

#include "Target.h"

#include "act/EventControl.h"

#include <memory>

namespace act::dispatch {

// ACT!'s ACTEVENTLib.ActEvent. It listens for OnActUserWantsToClose from the start: a close announced before anyone
// asked must not be missed. When it cannot listen, every member answers why, so start-up reports it rather than
// running deaf to ACT!'s user closing ACT!.
class DispatchEventControl : public EventControl {
public:
    explicit DispatchEventControl(Target control);

    Result<int> ConnectionState(int reserved) override;
    Status AcknowledgeClose() override;
    Result<bool> CommunicationFailed() override;

private:
    Target m_control; // the reason only, once it cannot listen
    std::unique_ptr<Subscription> m_subscription;
};

} // namespace act::dispatch
