#include "StandinApplication.h"

#include "ClientRegistry.h"
#include "LookupFile.h"
#include "StandinError.h"
#include "StandinViews.h"

namespace standin {

namespace {
constexpr int CloseDatabaseCommand = 150;
}

StandinApplication::StandinApplication(StateFile state, bool registerClient)
    : m_state(std::move(state)), m_registerClient(registerClient) {}

StandinApplication::~StandinApplication() {
    // Nothing can report a failure here; a stale entry of a dead process is ignored by the stand-in.
    if (m_registered)
        (void)clients::unregisterClient(m_state, clients::currentProcessId());
}

act::Status StandinApplication::OpenFile(const std::string& path) {
    if (!path.empty())
        return makeError(ErrorCode::DatabaseUnavailable,
                         "the stand-in opens databases with 'act-standin open', not by file name ('" + path + "')");
    if (!m_registerClient || m_registered)
        return {};
    act::Status registered = clients::registerClient(m_state, clients::currentProcessId());
    m_registered = registered.ok();
    return registered;
}

act::Result<std::shared_ptr<act::Views>> StandinApplication::Views() {
    return std::shared_ptr<act::Views>(std::make_shared<StandinViews>(m_state));
}

act::Status StandinApplication::SaveCurrentLookup(const std::string& path) {
    const act::Result<StateData> state = m_state.read();
    if (!state)
        return state.error();
    const std::string current = state.value().lookup();
    if (current.empty())
        return lookupfile::write(path, Lookup{true, {}});
    const act::Result<Lookup> lookup = lookupfile::read(current);
    if (!lookup)
        return lookup.error();
    return lookupfile::write(path, lookup.value());
}

act::Status StandinApplication::Command(int command) {
    if (command != CloseDatabaseCommand)
        return makeError(ErrorCode::UnknownCommand, "the stand-in has no command " + std::to_string(command));
    // The current contact and lookup belong to the database being closed.
    return m_state.update([](StateData& data) {
        for (const char* key : {"database", "current", "lookup"})
            data.set(StateData::Standin, key, {});
    });
}

} // namespace standin
