#pragma once

#include "StateFile.h"

#include "act/Backend.h"

namespace standin {

struct StandinBackendOptions {
    // Register as a client of the stand-in when the application object opens; for programs with an event loop.
    bool registerClient = false;
    StateFile state = StateFile();
};

// Creates the stand-in's automation objects over one state file.
class StandinBackend : public act::Backend {
public:
    explicit StandinBackend(StandinBackendOptions options = StandinBackendOptions());

    std::shared_ptr<act::Application> CreateApplication() override;
    std::shared_ptr<act::Database> CreateDatabase() override;
    std::shared_ptr<act::AuxCommands> CreateAuxCommands() override;
    std::unique_ptr<act::EventControl> CreateEventControl() override;

private:
    StandinBackendOptions m_options;
};

} // namespace standin
