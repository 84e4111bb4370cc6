#include "DispatchBackend.h"

#include "DispatchApplication.h"
#include "DispatchAuxCommands.h"
#include "DispatchDatabase.h"
#include "DispatchEventControl.h"

namespace act::dispatch {

namespace {

Target created(Dispatcher& dispatcher, const std::string& programmaticName) {
    Result<std::shared_ptr<Object>> made = dispatcher.Create(programmaticName);
    if (made)
        return Target(std::move(made).value());
    return Target(Error{made.error().number, programmaticName + ": " + made.error().description});
}

} // namespace

std::shared_ptr<Application> DispatchBackend::CreateApplication() {
    return std::make_shared<DispatchApplication>(created(*m_dispatcher, "ACTOLE.APPOBJECT"));
}

std::shared_ptr<Database> DispatchBackend::CreateDatabase() {
    return std::make_shared<DispatchDatabase>(created(*m_dispatcher, "ACTOLE.DATABASE"));
}

std::shared_ptr<AuxCommands> DispatchBackend::CreateAuxCommands() {
    return std::make_shared<DispatchAuxCommands>(created(*m_dispatcher, "ACTOLE.AUXCMDS"));
}

std::unique_ptr<EventControl> DispatchBackend::CreateEventControl() {
    return std::make_unique<DispatchEventControl>(created(*m_dispatcher, "ACTEVENTLib.ActEvent"));
}

} // namespace act::dispatch
