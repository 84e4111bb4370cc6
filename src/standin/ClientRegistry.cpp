#include "ClientRegistry.h"

#include <QCoreApplication>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <signal.h>
#endif

namespace standin::clients {

namespace {

const std::string Prefix = "client.";

std::string keyOf(long long pid) {
    return Prefix + std::to_string(pid);
}

} // namespace

long long currentProcessId() {
    return QCoreApplication::applicationPid();
}

bool isProcessAlive(long long pid) {
    if (pid <= 0)
        return false;
#ifdef Q_OS_WIN
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (!process)
        return false;
    DWORD code = 0;
    const bool alive = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return alive;
#else
    // EPERM means the process exists but belongs to someone else.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#endif
}

act::Status registerClient(const StateFile& state, long long pid) {
    return state.update(
        [pid](StateData& data) { data.set(StateData::Standin, keyOf(pid), std::to_string(data.closeRequest())); });
}

act::Status unregisterClient(const StateFile& state, long long pid) {
    return state.update([pid](StateData& data) { data.remove(StateData::Standin, keyOf(pid)); });
}

act::Status acknowledge(const StateFile& state, long long pid) {
    return registerClient(state, pid);
}

bool allLiveAcknowledged(const StateData& data) {
    const long long request = data.closeRequest();
    for (const std::string& key : data.keys(StateData::Standin)) {
        if (key.rfind(Prefix, 0) != 0)
            continue;
        bool ok = false;
        const long long pid = QByteArray::fromStdString(key.substr(Prefix.size())).toLongLong(&ok);
        if (ok && isProcessAlive(pid) && data.number(StateData::Standin, key, -1) < request)
            return false;
    }
    return true;
}

} // namespace standin::clients
