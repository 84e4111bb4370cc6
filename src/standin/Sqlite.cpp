#include "Sqlite.h"

#include <sqlite3.h>

#include <utility>

namespace standin {

namespace {

[[noreturn]] void fail(sqlite3* db, const std::string& what) {
    throw SqliteError(what + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
}

constexpr int BusyTimeoutMs = 5000;

} // namespace

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql) : m_db(db) {
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &m_stmt, nullptr) != SQLITE_OK)
        fail(db, "cannot prepare query");
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : m_db(std::exchange(other.m_db, nullptr)), m_stmt(std::exchange(other.m_stmt, nullptr)) {}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(m_stmt);
        m_db = std::exchange(other.m_db, nullptr);
        m_stmt = std::exchange(other.m_stmt, nullptr);
    }
    return *this;
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(m_stmt);
}

void SqliteStatement::bind(int index, std::string_view text) {
    if (sqlite3_bind_text(m_stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        fail(m_db, "cannot bind value");
}

void SqliteStatement::bind(int index, std::int64_t value) {
    if (sqlite3_bind_int64(m_stmt, index, value) != SQLITE_OK)
        fail(m_db, "cannot bind value");
}

bool SqliteStatement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(m_stmt);
    fail(m_db, "database error");
}

void SqliteStatement::reset() {
    if (!m_stmt)
        return;
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int SqliteStatement::columnCount() const {
    return sqlite3_column_count(m_stmt);
}

std::string_view SqliteStatement::text(int column) const {
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    if (!data)
        return {};
    return {data, static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column))};
}

std::int64_t SqliteStatement::int64(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

bool SqliteStatement::isNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

SqliteConnection::SqliteConnection(const std::string& path, Mode mode) : m_path(path) {
    int flags = SQLITE_OPEN_NOMUTEX;
    switch (mode) {
    case Mode::ReadOnly:
        flags |= SQLITE_OPEN_READONLY;
        break;
    case Mode::ReadWrite:
        flags |= SQLITE_OPEN_READWRITE;
        break;
    case Mode::Create:
        flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
        break;
    }
    if (sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr) != SQLITE_OK) {
        const std::string message = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        m_db = nullptr;
        throw SqliteError("cannot open '" + path + "': " + message);
    }
    sqlite3_busy_timeout(m_db, BusyTimeoutMs);
}

SqliteConnection::~SqliteConnection() {
    sqlite3_close_v2(m_db);
}

void SqliteConnection::exec(std::string_view sql) {
    const std::string statement(sql);
    char* message = nullptr;
    if (sqlite3_exec(m_db, statement.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : sqlite3_errmsg(m_db);
        sqlite3_free(message);
        throw SqliteError("database error: " + text);
    }
}

} // namespace standin
