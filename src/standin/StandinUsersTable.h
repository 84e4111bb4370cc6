#pragma once

#include "StandinSession.h"

#include "act/UsersTable.h"

#include <memory>

namespace standin {

// The database's users, numbered from 1 in position order.
class StandinUsersTable : public act::UsersTable {
public:
    explicit StandinUsersTable(std::shared_ptr<StandinSession> session);

    act::Result<int> Count() override;
    act::Result<std::string> Name(int number) override;
    act::Result<std::string> UniqueId(int number) override;

private:
    // The member of the user with that number; OutOfRange when there is none.
    act::Result<std::string> userValue(int number, std::string UserRecord::*member);

    std::shared_ptr<StandinSession> m_session;
};

} // namespace standin
