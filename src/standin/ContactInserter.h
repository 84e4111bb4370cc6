#pragma once

#include "Sqlite.h"

#include <string>
#include <vector>

namespace standin {

// One prepared insert into the contact table for a fixed list of fields, reused for every contact.
class ContactInserter {
public:
    ContactInserter(SqliteConnection& db, const std::vector<int>& fieldIds);

    // Adds a contact; values are in the order of the field ids.
    void insert(const std::vector<std::string>& values);

private:
    SqliteStatement m_statement;
};

} // namespace standin
