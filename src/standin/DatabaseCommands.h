#pragma once

#include "act/Result.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace standin {

// The act-standin commands that work on a database file. They throw SqliteError when the database fails.
class DatabaseCommands {
public:
    explicit DatabaseCommands(std::ostream& out) : m_out(out) {}

    // Builds the database under a temporary name and renames it at the end; refuses an existing file.
    act::Status createDatabase(const std::string& path, std::uint64_t sampleCount, std::uint64_t seed);
    act::Status importContacts(const std::string& path, const std::string& csvPath);
    // No field ids: every field that has a column.
    act::Status exportContacts(const std::string& path, const std::vector<int>& fieldIds);
    // One tab-separated line per position: position, id, label, type.
    act::Status listFields(const std::string& path);
    // One tab-separated line per user: position, unique id, name.
    act::Status listUsers(const std::string& path);

private:
    std::ostream& m_out;
};

} // namespace standin
