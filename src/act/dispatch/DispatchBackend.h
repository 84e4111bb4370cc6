#pragma once

#include "Dispatcher.h"

#include "act/Backend.h"

#include <memory>

namespace act::dispatch {

// ACT!'s own automation objects, reached through a dispatcher by the names ACT! registers. An object that cannot be
// made still comes back: each of its members then answers why, naming the object.
class DispatchBackend : public Backend {
public:
    explicit DispatchBackend(std::shared_ptr<Dispatcher> dispatcher) : m_dispatcher(std::move(dispatcher)) {}

    std::shared_ptr<Application> CreateApplication() override;
    std::shared_ptr<Database> CreateDatabase() override;
    std::shared_ptr<AuxCommands> CreateAuxCommands() override;
    std::unique_ptr<EventControl> CreateEventControl() override;

private:
    std::shared_ptr<Dispatcher> m_dispatcher;
};

} // namespace act::dispatch
