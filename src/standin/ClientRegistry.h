#pragma once

#include "StateFile.h"

#include "act/Result.h"

namespace standin {

// The programs with an event loop that are connected to the stand-in: [standin] client.<pid> = the close request
// that program last acknowledged.
namespace clients {

long long currentProcessId();
bool isProcessAlive(long long pid);

// Registers a program, acknowledging the requests made before it connected.
act::Status registerClient(const StateFile& state, long long pid);
act::Status unregisterClient(const StateFile& state, long long pid);
// Acknowledges the current close request for that program.
act::Status acknowledge(const StateFile& state, long long pid);
// Whether every live registered program has acknowledged the current close request.
bool allLiveAcknowledged(const StateData& data);

} // namespace clients
} // namespace standin
