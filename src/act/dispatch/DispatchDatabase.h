#pragma once

#include "Target.h"

#include "act/Database.h"

namespace act::dispatch {

// ACT!'s ACTOLE.DATABASE.
class DispatchDatabase : public Database {
public:
    explicit DispatchDatabase(Target database) : m_database(std::move(database)) {}

    Status OpenEx(const std::string& path) override { return m_database.run("OpenEx", {path}); }
    Result<std::shared_ptr<act::ListTable>> ListTable() override;
    Result<std::shared_ptr<act::ContactTable>> Contact() override;
    Result<std::shared_ptr<act::UsersTable>> Users() override;
    Result<std::shared_ptr<act::SalesTable>> Sales() override;
    Result<std::shared_ptr<act::GroupTable>> Group() override;
    Status PhoneFormatting(int mode) override { return m_database.run("PhoneFormatting", {mode}); }
    Result<std::string> GetDatabasePath() override { return m_database.text("GetDatabasePath"); }
    Status Close() override { return m_database.run("Close"); }

private:
    Target m_database;
};

} // namespace act::dispatch
