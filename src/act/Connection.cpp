#include "Connection.h"

#include <filesystem>

namespace act {

namespace {

template <typename T> bool take(Result<T> result, T& target, Error& error) {
    if (!result) {
        error = result.error();
        return false;
    }
    target = std::move(result).value();
    return true;
}

bool check(const Status& status, Error& error) {
    if (!status)
        error = status.error();
    return status.ok();
}

} // namespace

Status Connection::Release() {
    listTable.reset();
    contactTable.reset();
    usersTable.reset();
    salesTable.reset();
    fieldList.reset();
    groupTable.reset();
    contactView.reset();
    views.reset();
    application.reset();
    Status closed;
    if (database)
        closed = database->Close();
    database.reset();
    return closed;
}

Result<Connection> Create_Database(Backend& backend, const std::string& programFolder) {
    Connection c;
    Error error;
    const std::string lookupFile = (std::filesystem::path(programFolder) / CurrentLookupFileName).string();

    c.application = backend.CreateApplication();
    const bool built =
        check(c.application->OpenFile(""), error) && take(c.application->Views(), c.views, error) &&
        take(c.views->Create(1, ""), c.contactView, error) &&
        (c.database = backend.CreateDatabase(), check(c.database->OpenEx(""), error)) &&
        take(c.database->ListTable(), c.listTable, error) && take(c.database->Contact(), c.contactTable, error) &&
        take(c.database->Users(), c.usersTable, error) && take(c.database->Sales(), c.salesTable, error) &&
        take(c.contactTable->Fields(), c.fieldList, error) && take(c.database->Group(), c.groupTable, error) &&
        check(c.database->PhoneFormatting(2), error) && check(c.application->SaveCurrentLookup(lookupFile), error);
    if (!built) {
        (void)c.Release();
        return error;
    }
    return c;
}

} // namespace act
