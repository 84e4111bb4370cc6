#pragma once

#include "act/Result.h"

#include <QString>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace standin {

// Contents of the running stand-in's state file: [standin] and [aux] sections of key=value lines.
class StateData {
public:
    static constexpr const char* Standin = "standin";
    static constexpr const char* Aux = "aux";

    std::string value(const std::string& section, const std::string& key, const std::string& fallback = {}) const;
    long long number(const std::string& section, const std::string& key, long long fallback = 0) const;
    void set(const std::string& section, const std::string& key, const std::string& value);
    void remove(const std::string& section, const std::string& key);
    // Keys of a section, sorted.
    std::vector<std::string> keys(const std::string& section) const;
    const std::map<std::string, std::map<std::string, std::string>>& sections() const { return m_sections; }

    bool running() const { return value(Standin, "running") == "1"; }
    std::string database() const { return value(Standin, "database"); }
    std::string current() const { return value(Standin, "current"); }
    std::string lookup() const { return value(Standin, "lookup"); }
    long long closeRequest() const { return number(Standin, "close_request"); }

private:
    std::map<std::string, std::map<std::string, std::string>> m_sections;
};

// The state file, $XDG_STATE_HOME/act-standin/state.ini. Readers take it as it stands (it is replaced atomically);
// every read-modify-write holds an exclusive lock on state.ini.lock beside it.
class StateFile {
public:
    // Resolved from the environment each time, so tests can point it elsewhere.
    static QString defaultPath();

    explicit StateFile(QString path = defaultPath());

    // A missing file is an empty state; a file that is not readable state (a folder, no permission, a line that
    // is not key=value) is an error.
    act::Result<StateData> read() const;
    // Locks, reads, applies the change and replaces the file atomically; nothing changes when any step fails.
    act::Status update(const std::function<void(StateData&)>& change) const;

    const QString& path() const { return m_path; }

private:
    QString m_path;
};

} // namespace standin
