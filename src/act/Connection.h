#pragma once

#include "Application.h"
#include "Backend.h"
#include "Database.h"
#include "Result.h"

#include <memory>
#include <string>

namespace act {

// The ACT! objects the program holds from start-up to shutdown.
struct Connection {
    std::shared_ptr<Application> application;
    std::shared_ptr<act::Views> views;
    std::shared_ptr<ContactView> contactView;
    std::shared_ptr<Database> database;
    std::shared_ptr<act::ListTable> listTable;
    std::shared_ptr<ContactTable> contactTable;
    std::shared_ptr<act::UsersTable> usersTable;
    std::shared_ptr<act::SalesTable> salesTable;
    std::shared_ptr<FieldList> fieldList;
    std::shared_ptr<act::GroupTable> groupTable;

    // Releases the objects in shutdown order and closes the database; safe to call on a partial connection.
    Status Release();
};

// File name of the lookup saved at start-up, in the program folder.
inline constexpr const char* CurrentLookupFileName = "~currentLU.lku";

// Builds the connection in ACT!'s required order and saves ACT!'s current lookup to the program folder.
// On failure, whatever was built is released before the error is returned.
Result<Connection> Create_Database(Backend& backend, const std::string& programFolder);

} // namespace act
