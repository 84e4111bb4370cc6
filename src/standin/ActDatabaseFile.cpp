#include "ActDatabaseFile.h"

#include "core/text/EightBitText.h"

#include <filesystem>
#include <set>

namespace standin {

namespace {

// Deterministic user ids, so that the same sample database is the same file content every time.
std::string userUniqueId(int position) {
    std::string id = "USR" + std::to_string(position);
    id.insert(3, IdLength - id.size(), '0');
    return id;
}

} // namespace

ActDatabaseFile::ActDatabaseFile(std::unique_ptr<SqliteConnection> connection) : m_connection(std::move(connection)) {}

std::unique_ptr<ActDatabaseFile> ActDatabaseFile::open(const std::string& path, bool writable) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        throw SqliteError("cannot open '" + path + "': no such file");
    if (!std::filesystem::is_regular_file(path, ec))
        throw SqliteError("cannot open '" + path + "': not a file");
    auto connection = std::make_unique<SqliteConnection>(path, writable ? SqliteConnection::Mode::ReadWrite
                                                                        : SqliteConnection::Mode::ReadOnly);
    std::unique_ptr<ActDatabaseFile> file(new ActDatabaseFile(std::move(connection)));
    try {
        file->loadCatalogue();
    } catch (const SqliteError& e) {
        throw SqliteError("'" + path + "' is not a contact database (" + e.what() + ")");
    }
    return file;
}

std::unique_ptr<ActDatabaseFile> ActDatabaseFile::create(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec) || std::filesystem::is_symlink(path, ec))
        throw SqliteError("'" + path + "' already exists");
    auto connection = std::make_unique<SqliteConnection>(path, SqliteConnection::Mode::Create);
    SqliteConnection& db = *connection;
    db.exec("BEGIN");
    db.exec("CREATE TABLE fields(position INTEGER PRIMARY KEY, id INTEGER, label TEXT, type INTEGER)");
    db.exec("CREATE TABLE users(position INTEGER PRIMARY KEY, unique_id TEXT UNIQUE, name TEXT)");
    std::string contact = "CREATE TABLE contact(";
    bool first = true;
    for (const FieldDefinition& f : newDatabaseCatalogue()) {
        if (!f.hasColumn())
            continue;
        contact += (first ? "" : ", ") + columnName(f.id) + " TEXT" + (f.id == field::RecordId ? " PRIMARY KEY" : "");
        first = false;
    }
    db.exec(contact + ")");
    SqliteStatement addField = db.prepare("INSERT INTO fields(position, id, label, type) VALUES(?, ?, ?, ?)");
    for (const FieldDefinition& f : newDatabaseCatalogue()) {
        addField.bind(1, std::int64_t{f.position});
        addField.bind(2, std::int64_t{f.id});
        addField.bind(3, f.label);
        addField.bind(4, std::int64_t{f.type});
        addField.step();
        addField.reset();
    }
    SqliteStatement addUser = db.prepare("INSERT INTO users(position, unique_id, name) VALUES(?, ?, ?)");
    int position = 1;
    for (const std::string& name : newDatabaseUserNames()) {
        addUser.bind(1, std::int64_t{position});
        addUser.bind(2, userUniqueId(position));
        addUser.bind(3, name);
        addUser.step();
        addUser.reset();
        ++position;
    }
    db.exec("COMMIT");
    // Readers never block a writer: a program idle on a contact keeps a read transaction open.
    db.exec("PRAGMA journal_mode=WAL");
    std::unique_ptr<ActDatabaseFile> file(new ActDatabaseFile(std::move(connection)));
    file->loadCatalogue();
    return file;
}

void ActDatabaseFile::loadCatalogue() {
    m_fields.clear();
    m_fieldIndex.clear();
    m_users.clear();
    SqliteStatement fieldRows = m_connection->prepare("SELECT position, id, label, type FROM fields ORDER BY position");
    while (fieldRows.step()) {
        m_fields.push_back({static_cast<int>(fieldRows.int64(0)), static_cast<int>(fieldRows.int64(1)),
                            core::eightbit::validUtf8(fieldRows.text(2)), static_cast<int>(fieldRows.int64(3))});
        if (m_fields.back().id != field::NoField)
            m_fieldIndex.emplace(m_fields.back().id, m_fields.size() - 1); // the first field with an id wins
    }
    SqliteStatement userRows = m_connection->prepare("SELECT position, unique_id, name FROM users ORDER BY position");
    while (userRows.step())
        m_users.push_back({static_cast<int>(userRows.int64(0)), core::eightbit::validUtf8(userRows.text(1)),
                           core::eightbit::validUtf8(userRows.text(2))});

    std::set<std::string> columns;
    SqliteStatement info = m_connection->prepare("SELECT name FROM pragma_table_info('contact')");
    while (info.step())
        columns.insert(std::string(info.text(0)));
    if (columns.empty())
        throw SqliteError("no contact table");
    for (const FieldDefinition& f : m_fields)
        if (f.hasColumn() && !columns.count(columnName(f.id)))
            throw SqliteError("no column for field " + std::to_string(f.id));
    if (!fieldById(field::RecordId) || !fieldById(field::RecordId)->hasColumn())
        throw SqliteError("no record id field");
}

const FieldDefinition* ActDatabaseFile::fieldById(int id) const {
    const auto found = m_fieldIndex.find(id);
    return found == m_fieldIndex.end() ? nullptr : &m_fields[found->second];
}

const FieldDefinition* ActDatabaseFile::fieldByLabel(const std::string& label) const {
    for (const FieldDefinition& f : m_fields)
        if (f.id != field::NoField && f.label == label)
            return &f;
    return nullptr;
}

std::vector<FieldDefinition> ActDatabaseFile::columnFields() const {
    std::vector<FieldDefinition> result;
    for (const FieldDefinition& f : m_fields)
        if (f.hasColumn())
            result.push_back(f);
    return result;
}

} // namespace standin
