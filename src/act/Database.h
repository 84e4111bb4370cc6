#pragma once

#include "ContactTable.h"
#include "OtherTables.h"
#include "Result.h"
#include "UsersTable.h"

#include <memory>
#include <string>

namespace act {

// A connection to a contact database.
class Database {
public:
    virtual ~Database() = default;

    // Opens a database file; "" opens the database that is open in ACT!.
    virtual Status OpenEx(const std::string& path) = 0;
    virtual Result<std::shared_ptr<act::ListTable>> ListTable() = 0;
    virtual Result<std::shared_ptr<act::ContactTable>> Contact() = 0;
    virtual Result<std::shared_ptr<act::UsersTable>> Users() = 0;
    virtual Result<std::shared_ptr<act::SalesTable>> Sales() = 0;
    virtual Result<std::shared_ptr<act::GroupTable>> Group() = 0;
    virtual Status PhoneFormatting(int mode) = 0;
    virtual Result<std::string> GetDatabasePath() = 0;
    virtual Status Close() = 0;
};

} // namespace act
