#pragma once

#include "standin/FieldCatalogue.h"
#include "standin/Sqlite.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace standin {

struct UserRecord {
    int position = 0;
    std::string uniqueId;
    std::string name;
};

// A stand-in contact database (.actdb). Its tables are a stable contract that other tools read:
//   fields(position INTEGER PRIMARY KEY, id INTEGER, label TEXT, type INTEGER)  positions from 0; id -1 = no field
//   users(position INTEGER PRIMARY KEY, unique_id TEXT UNIQUE, name TEXT)      positions from 1
//   contact(f1 TEXT PRIMARY KEY, f2 TEXT, ...)  one column f<id> per field but 950, values as Data returns
//   them; table order is rowid (insertion) order.
class ActDatabaseFile {
public:
    // Opens and checks an existing database; throws SqliteError with a one-line reason when it is missing,
    // not a database, or not one of ours.
    static std::unique_ptr<ActDatabaseFile> open(const std::string& path, bool writable = false);
    // Creates the schema, the catalogue and the five users in a new file; refuses an existing one.
    static std::unique_ptr<ActDatabaseFile> create(const std::string& path);

    SqliteConnection& sql() { return *m_connection; }
    const std::vector<FieldDefinition>& fields() const { return m_fields; }
    const std::vector<UserRecord>& users() const { return m_users; }
    const std::string& path() const { return m_connection->path(); }

    // The field with that id, or nullptr.
    const FieldDefinition* fieldById(int id) const;
    // The field with that label (exact), or nullptr.
    const FieldDefinition* fieldByLabel(const std::string& label) const;
    // Fields that have a contact column, in position order.
    std::vector<FieldDefinition> columnFields() const;

private:
    explicit ActDatabaseFile(std::unique_ptr<SqliteConnection> connection);
    void loadCatalogue();

    std::unique_ptr<SqliteConnection> m_connection;
    std::vector<FieldDefinition> m_fields;
    std::unordered_map<int, std::size_t> m_fieldIndex; // id -> position in m_fields; Data asks once per cell
    std::vector<UserRecord> m_users;
};

} // namespace standin
