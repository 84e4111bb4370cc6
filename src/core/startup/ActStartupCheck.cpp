#include "ActStartupCheck.h"

namespace core {

ActStartupCheck checkAct(act::EventControl& events) {
    using Status = ActStartupCheck::Status;
    const act::Result<int> connected = events.ConnectionState(0);
    if (!connected)
        return {Status::Failed, connected.error()};
    if (connected.value() >= 1)
        return {};
    const act::Result<bool> failed = events.CommunicationFailed();
    if (!failed)
        return {Status::Failed, failed.error()};
    return {failed.value() ? Status::Unreachable : Status::NoDatabaseOpen, std::nullopt};
}

} // namespace core
