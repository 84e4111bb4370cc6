#pragma once

#include "Target.h"

#include "act/UsersTable.h"

namespace act::dispatch {

class DispatchUsersTable : public UsersTable {
public:
    explicit DispatchUsersTable(Target users) : m_users(std::move(users)) {}

    Result<int> Count() override { return m_users.number("Count"); }
    Result<std::string> Name(int number) override { return m_users.text("Name", {number}); }
    Result<std::string> UniqueId(int number) override { return m_users.text("UniqueId", {number}); }

private:
    Target m_users;
};

} // namespace act::dispatch
