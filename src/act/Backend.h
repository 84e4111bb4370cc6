#pragma once

#include "Application.h"
#include "AuxCommands.h"
#include "Database.h"
#include "EventControl.h"

#include <memory>

namespace act {

// Creates ACT!'s automation objects: the stand-in here, ACT!'s own objects on a Windows backend. Every text the
// objects answer (values, labels, user names, record ids) is valid UTF-8: a backend turns each invalid sequence of
// what it holds into U+FFFD, so no caller has to guess an encoding.
class Backend {
public:
    virtual ~Backend() = default;

    virtual std::shared_ptr<Application> CreateApplication() = 0;
    virtual std::shared_ptr<Database> CreateDatabase() = 0;
    virtual std::shared_ptr<AuxCommands> CreateAuxCommands() = 0;
    virtual std::unique_ptr<EventControl> CreateEventControl() = 0;
};

} // namespace act
