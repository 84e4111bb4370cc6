#include "StandinBackend.h"

#include "StandinApplication.h"
#include "StandinAuxCommands.h"
#include "StandinDatabase.h"
#include "StandinEventControl.h"

namespace standin {

StandinBackend::StandinBackend(StandinBackendOptions options) : m_options(std::move(options)) {}

std::shared_ptr<act::Application> StandinBackend::CreateApplication() {
    return std::make_shared<StandinApplication>(m_options.state, m_options.registerClient);
}

std::shared_ptr<act::Database> StandinBackend::CreateDatabase() {
    return std::make_shared<StandinDatabase>(m_options.state);
}

std::shared_ptr<act::AuxCommands> StandinBackend::CreateAuxCommands() {
    return std::make_shared<StandinAuxCommands>(m_options.state);
}

std::unique_ptr<act::EventControl> StandinBackend::CreateEventControl() {
    return std::make_unique<StandinEventControl>(m_options.state);
}

} // namespace standin
