#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace standin {

// SQLite failures travel as exceptions inside the stand-in and become act::Error at its interface.
class SqliteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SqliteStatement {
public:
    SqliteStatement() = default;
    SqliteStatement(sqlite3* db, std::string_view sql);
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&& other) noexcept;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;
    ~SqliteStatement();

    bool valid() const { return m_stmt != nullptr; }
    void bind(int index, std::string_view text);
    void bind(int index, std::int64_t value);
    // Steps once; true when a row is ready, false when done.
    bool step();
    void reset();
    int columnCount() const;
    std::string_view text(int column) const;
    std::int64_t int64(int column) const;
    bool isNull(int column) const;

private:
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
};

// One open SQLite file with a 5 s busy timeout.
class SqliteConnection {
public:
    enum class Mode { ReadOnly, ReadWrite, Create };

    SqliteConnection(const std::string& path, Mode mode);
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;
    ~SqliteConnection();

    void exec(std::string_view sql);
    SqliteStatement prepare(std::string_view sql) { return SqliteStatement(m_db, sql); }
    const std::string& path() const { return m_path; }

private:
    sqlite3* m_db = nullptr;
    std::string m_path;
};

} // namespace standin
