#pragma once

#include "StandinSession.h"
#include "StateFile.h"

#include "act/Database.h"

#include <memory>

namespace standin {

// A connection to a contact database. It holds its own SQLite connection, so it keeps working on the database it
// opened whatever the stand-in opens or closes meanwhile.
class StandinDatabase : public act::Database {
public:
    explicit StandinDatabase(StateFile state = StateFile());

    act::Status OpenEx(const std::string& path) override;
    act::Result<std::shared_ptr<act::ListTable>> ListTable() override;
    act::Result<std::shared_ptr<act::ContactTable>> Contact() override;
    act::Result<std::shared_ptr<act::UsersTable>> Users() override;
    act::Result<std::shared_ptr<act::SalesTable>> Sales() override;
    act::Result<std::shared_ptr<act::GroupTable>> Group() override;
    act::Status PhoneFormatting(int mode) override;
    act::Result<std::string> GetDatabasePath() override;
    act::Status Close() override;

private:
    // Runs a call against the opened database: NoDatabaseOpen before OpenEx, ConnectionClosed after Close.
    template <typename Call> auto run(Call&& call);
    // A new table object of the opened database.
    template <typename Table, typename Interface> act::Result<std::shared_ptr<Interface>> table();

    StateFile m_state;
    std::shared_ptr<StandinSession> m_session;
};

} // namespace standin
