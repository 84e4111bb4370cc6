#pragma once

#include "Result.h"

#include <string>

namespace act {

// The database's users; numbers run from 1 to Count().
class UsersTable {
public:
    virtual ~UsersTable() = default;

    virtual Result<int> Count() = 0;
    virtual Result<std::string> Name(int number) = 0;
    virtual Result<std::string> UniqueId(int number) = 0;
};

} // namespace act
