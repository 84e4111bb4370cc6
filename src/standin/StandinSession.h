#pragma once

#include "ActDatabaseFile.h"
#include "StandinError.h"

#include "act/Result.h"

#include <memory>
#include <utility>

namespace standin {

// The database file one connection opened, shared by the database object and every table it gave out: Close()
// reaches them all, and a table that outlives its database object has nothing dangling.
class StandinSession {
public:
    explicit StandinSession(std::unique_ptr<ActDatabaseFile> file) : m_file(std::move(file)) {}

    void close() { m_file.reset(); }

    // Runs an automation call against the open file: ConnectionClosed once closed, and SQLite failures become
    // DatabaseUnavailable, since no exception may cross the interface.
    template <typename Call> auto run(Call&& call) -> decltype(call(std::declval<ActDatabaseFile&>())) {
        if (!m_file)
            return makeError(ErrorCode::ConnectionClosed, "the connection to the contact database has been closed");
        try {
            return call(*m_file);
        } catch (const SqliteError& e) {
            return makeError(ErrorCode::DatabaseUnavailable, e.what());
        }
    }

private:
    std::unique_ptr<ActDatabaseFile> m_file;
};

} // namespace standin
