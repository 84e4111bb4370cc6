#pragma once

#include "act/UsersTable.h"

#include <string>
#include <unordered_map>

namespace core {

// The users' names by unique id, read once per run (GetUserName asks ACT! for every user on every call).
class UserDirectory {
public:
    // Reads every user; ACT!'s error when a call failed.
    static act::Result<UserDirectory> read(act::UsersTable& users);

    // The name of the user with that unique id, or "" when no user has it.
    const std::string& GetUserName(const std::string& uniqueId) const;

private:
    std::unordered_map<std::string, std::string> m_names;
};

} // namespace core
