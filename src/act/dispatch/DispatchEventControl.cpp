#include "DispatchEventControl.h"

namespace act::dispatch {

namespace {

constexpr long ConnectionStateMember = 1;
constexpr long AcknowledgeCloseMember = 2;
constexpr long CommunicationFailedMember = 3;

} // namespace

DispatchEventControl::DispatchEventControl(Target control) : m_control(std::move(control)) {
    Result<std::unique_ptr<Subscription>> subscribed =
        m_control.subscribe("OnActUserWantsToClose", [this] { fireOnActUserWantsToClose(); });
    if (subscribed)
        m_subscription = std::move(subscribed).value();
    else
        m_control = Target(subscribed.error());
}

Result<int> DispatchEventControl::ConnectionState(int reserved) {
    return m_control.number(ConnectionStateMember, {reserved});
}

Status DispatchEventControl::AcknowledgeClose() {
    return m_control.run(AcknowledgeCloseMember);
}

Result<bool> DispatchEventControl::CommunicationFailed() {
    return m_control.flag(CommunicationFailedMember);
}

} // namespace act::dispatch
