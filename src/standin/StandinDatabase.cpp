#include "StandinDatabase.h"

#include "StandinContactTable.h"
#include "StandinUsersTable.h"

#include <filesystem>
#include <type_traits>

namespace standin {

StandinDatabase::StandinDatabase(StateFile state) : m_state(std::move(state)) {}

template <typename Call> auto StandinDatabase::run(Call&& call) {
    using Answer = decltype(m_session->run(call));
    if (!m_session)
        return Answer(makeError(ErrorCode::NoDatabaseOpen, "no contact database has been opened"));
    return m_session->run(call);
}

template <typename Table, typename Interface> act::Result<std::shared_ptr<Interface>> StandinDatabase::table() {
    // Only some tables take the session: an explicit [this] would be unused for the others.
    return run([&](ActDatabaseFile&) -> act::Result<std::shared_ptr<Interface>> {
        if constexpr (std::is_constructible_v<Table, std::shared_ptr<StandinSession>>)
            return std::shared_ptr<Interface>(std::make_shared<Table>(m_session));
        else
            return std::make_shared<Table>();
    });
}

act::Status StandinDatabase::OpenEx(const std::string& path) {
    std::string file = path;
    if (file.empty()) {
        const act::Result<StateData> state = m_state.read();
        if (!state)
            return state.error();
        if (!state.value().running() || state.value().database().empty())
            return makeError(ErrorCode::NoDatabaseOpen, "ACT! has no database open");
        file = state.value().database();
    }
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(file, ec).lexically_normal();
    if (ec)
        return makeError(ErrorCode::DatabaseUnavailable, "cannot open '" + file + "': " + ec.message());
    try {
        auto opened = std::make_shared<StandinSession>(ActDatabaseFile::open(absolute.string()));
        if (m_session)
            m_session->close();
        m_session = std::move(opened);
    } catch (const SqliteError& e) {
        return makeError(ErrorCode::DatabaseUnavailable, e.what());
    }
    return {};
}

act::Result<std::shared_ptr<act::ListTable>> StandinDatabase::ListTable() {
    return table<act::ListTable, act::ListTable>();
}

act::Result<std::shared_ptr<act::ContactTable>> StandinDatabase::Contact() {
    return table<StandinContactTable, act::ContactTable>();
}

act::Result<std::shared_ptr<act::UsersTable>> StandinDatabase::Users() {
    return table<StandinUsersTable, act::UsersTable>();
}

act::Result<std::shared_ptr<act::SalesTable>> StandinDatabase::Sales() {
    return table<act::SalesTable, act::SalesTable>();
}

act::Result<std::shared_ptr<act::GroupTable>> StandinDatabase::Group() {
    return table<act::GroupTable, act::GroupTable>();
}

// The stand-in stores phone numbers as they are given, so no formatting mode changes what Data answers.
act::Status StandinDatabase::PhoneFormatting(int) {
    return run([](ActDatabaseFile&) -> act::Status { return {}; });
}

act::Result<std::string> StandinDatabase::GetDatabasePath() {
    return run([](ActDatabaseFile& db) -> act::Result<std::string> { return db.path(); });
}

act::Status StandinDatabase::Close() {
    return run([this](ActDatabaseFile&) -> act::Status {
        m_session->close();
        return {};
    });
}

} // namespace standin
