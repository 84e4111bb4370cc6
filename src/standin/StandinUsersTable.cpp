#include "StandinUsersTable.h"

namespace standin {

StandinUsersTable::StandinUsersTable(std::shared_ptr<StandinSession> session) : m_session(std::move(session)) {}

act::Result<int> StandinUsersTable::Count() {
    return m_session->run([](ActDatabaseFile& db) -> act::Result<int> { return static_cast<int>(db.users().size()); });
}

act::Result<std::string> StandinUsersTable::Name(int number) {
    return userValue(number, &UserRecord::name);
}

act::Result<std::string> StandinUsersTable::UniqueId(int number) {
    return userValue(number, &UserRecord::uniqueId);
}

act::Result<std::string> StandinUsersTable::userValue(int number, std::string UserRecord::*member) {
    return m_session->run([&](ActDatabaseFile& db) -> act::Result<std::string> {
        const auto& users = db.users();
        if (number < 1 || static_cast<std::size_t>(number) > users.size())
            return makeError(ErrorCode::OutOfRange, "there is no user number " + std::to_string(number) +
                                                        " (users 1 to " + std::to_string(users.size()) + ")");
        return users[static_cast<std::size_t>(number) - 1].*member;
    });
}

} // namespace standin
