#include "ContactImporter.h"

#include "ContactInserter.h"
#include "RecordIds.h"
#include "ToolMessages.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>

namespace standin {

using toolmessages::failure;
using toolmessages::quote;

namespace {

std::uint64_t unpredictableSeed() {
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device();
}

act::Error atLine(int line, const std::string& reason) {
    return failure("line " + std::to_string(line) + ": " + reason);
}

} // namespace

ContactImporter::ContactImporter(ActDatabaseFile& database) : m_database(database), m_random(unpredictableSeed()) {
    for (const FieldDefinition& f : database.columnFields())
        m_fieldIds.push_back(f.id);
}

std::size_t ContactImporter::slotOf(int fieldId) const {
    return static_cast<std::size_t>(std::find(m_fieldIds.begin(), m_fieldIds.end(), fieldId) - m_fieldIds.begin());
}

act::Result<std::size_t> ContactImporter::importFile(const std::string& csvPath) {
    std::error_code ec;
    if (std::filesystem::is_directory(csvPath, ec))
        return failure("cannot read " + quote(csvPath) + ": it is a folder");
    SqliteConnection& db = m_database.sql();
    // Taking the write lock first means no other writer can take an id between the check and the insert.
    db.exec("BEGIN IMMEDIATE");
    try {
        m_takenIds.clear();
        SqliteStatement ids = db.prepare("SELECT " + columnName(field::RecordId) + " FROM contact");
        while (ids.step())
            m_takenIds.emplace(ids.text(0));
        act::Result<std::size_t> result = pass(csvPath, nullptr);
        if (result) {
            ContactInserter inserter(db, m_fieldIds);
            result = pass(csvPath, &inserter);
        }
        db.exec(result ? "COMMIT" : "ROLLBACK");
        return result;
    } catch (const SqliteError&) {
        try {
            db.exec("ROLLBACK");
        } catch (const SqliteError&) {
            // SQLite has already rolled back (a failed COMMIT can do that); the first error is the one to report.
        }
        throw;
    }
}

act::Result<std::size_t> ContactImporter::pass(const std::string& csvPath, ContactInserter* inserter) {
    std::ifstream file(csvPath, std::ios::binary);
    if (!file)
        return failure("cannot read " + quote(csvPath) + ": " + std::strerror(errno));
    CsvReader reader(file);
    if (act::Status header = readHeader(reader); !header)
        return atLine(reader.line(), header.error().description);
    std::size_t count = 0;
    std::vector<std::string> cells;
    while (reader.next(cells)) {
        if (act::Status contact = readContact(cells, inserter != nullptr); !contact)
            return atLine(reader.line(), contact.error().description);
        if (inserter)
            inserter->insert(m_values);
        ++count;
    }
    if (!reader.error().empty())
        return atLine(reader.line(), reader.error());
    return count;
}

act::Status ContactImporter::readHeader(CsvReader& reader) {
    std::vector<std::string> labels;
    if (!reader.next(labels))
        return failure(reader.error().empty() ? "the file has no header row" : reader.error());
    m_columns.clear();
    std::set<std::string> seen;
    for (const std::string& label : labels) {
        const FieldDefinition* f = m_database.fieldByLabel(label);
        if (!f)
            return failure("unknown field label " + quote(label));
        if (!seen.insert(label).second)
            return failure("the field label " + quote(label) + " appears twice");
        Column column{Role::Value, slotOf(f->id), label};
        if (f->id == field::RecordId)
            column.role = Role::RecordId;
        else if (f->id == field::RecordManager)
            column.role = Role::RecordManager;
        else if (f->id == field::CreateDateSort)
            column.role = Role::DerivedDate;
        else if (!f->hasColumn())
            column.role = Role::Empty;
        m_columns.push_back(std::move(column));
    }
    m_values.assign(m_fieldIds.size(), {});
    return {};
}

act::Status ContactImporter::readContact(const std::vector<std::string>& cells, bool inserting) {
    if (cells.size() != m_columns.size())
        return failure(std::to_string(cells.size()) + " cells where the header has " +
                       std::to_string(m_columns.size()));
    for (std::string& value : m_values)
        value.clear();
    const std::string* givenSortDate = nullptr;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const Column& column = m_columns[i];
        const std::string& cell = cells[i];
        switch (column.role) {
        case Role::Value:
            m_values[column.slot] = cell;
            break;
        case Role::RecordId:
            // The first pass has checked and reserved the ids the file gives.
            if (!inserting && !cell.empty() && !recordids::isValid(cell))
                return failure("the record id " + quote(cell) + " is not 12 characters without control characters");
            if (!inserting && !cell.empty() && !m_takenIds.insert(cell).second)
                return failure("the record id " + quote(cell) + " is already taken");
            m_values[column.slot] = cell;
            break;
        case Role::RecordManager: {
            if (cell.empty())
                break;
            const auto& users = m_database.users();
            const auto user =
                std::find_if(users.begin(), users.end(), [&cell](const UserRecord& u) { return u.name == cell; });
            if (user == users.end())
                return failure("no user is named " + quote(cell));
            m_values[column.slot] = user->uniqueId;
            break;
        }
        case Role::DerivedDate:
            givenSortDate = &cell;
            break;
        case Role::Empty:
            if (!cell.empty())
                return failure(quote(column.label) + " has no values; its cells must be empty");
            break;
        }
    }
    const std::size_t sortSlot = slotOf(field::CreateDateSort);
    const std::size_t createSlot = slotOf(field::CreateDate);
    if (sortSlot < m_values.size() && createSlot < m_values.size())
        m_values[sortSlot] = createDateSortValue(m_values[createSlot]);
    if (givenSortDate && !givenSortDate->empty() && *givenSortDate != m_values[sortSlot])
        return failure("Create Date (sort) " + quote(*givenSortDate) + " is not the date part of Create Date; " +
                       "leave it empty, it is derived");
    std::string& recordId = m_values[slotOf(field::RecordId)];
    if (inserting && recordId.empty())
        recordId = freshRecordId();
    return {};
}

std::string ContactImporter::freshRecordId() {
    std::string id = recordids::fromNumber(m_random.next());
    while (!m_takenIds.insert(id).second)
        id = recordids::fromNumber(m_random.next());
    return id;
}

} // namespace standin
