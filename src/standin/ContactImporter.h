#pragma once

#include "ActDatabaseFile.h"
#include "CsvReader.h"
#include "DeterministicRandom.h"

#include "act/Result.h"

#include <string>
#include <unordered_set>
#include <vector>

namespace standin {

class ContactInserter;

// Appends contacts from a CSV file whose header row names fields by label. Values are stored exactly as given.
// "Record Manager" holds a user's name (or nothing) and is stored as that user's unique id. "Record ID" is made
// up when its column is absent or its cell empty; otherwise it must be a valid id that no contact has yet.
// Columns of derived fields are accepted so that an export imports again: "Create Date (sort)" must be empty or
// match the date part of "Create Date" (it is always derived from it), "(Empty Column)" must be empty.
// Fields the header does not name are stored empty.
class ContactImporter {
public:
    explicit ContactImporter(ActDatabaseFile& database);

    // All or nothing: the file is checked in full before one transaction adds every contact. Errors name the
    // line ("line 4: ...").
    act::Result<std::size_t> importFile(const std::string& csvPath);

private:
    enum class Role { Value, RecordId, RecordManager, DerivedDate, Empty };
    struct Column {
        Role role = Role::Value;
        std::size_t slot = 0;
        std::string label;
    };

    // One pass over the file: checks every line and, with an inserter, adds the contacts.
    act::Result<std::size_t> pass(const std::string& csvPath, ContactInserter* inserter);
    act::Status readHeader(CsvReader& reader);
    act::Status readContact(const std::vector<std::string>& cells, bool inserting);
    std::string freshRecordId();
    std::size_t slotOf(int fieldId) const;

    ActDatabaseFile& m_database;
    std::vector<int> m_fieldIds;
    std::vector<Column> m_columns;
    std::vector<std::string> m_values;
    // Record ids of the database and of the file.
    std::unordered_set<std::string> m_takenIds;
    DeterministicRandom m_random;
};

} // namespace standin
