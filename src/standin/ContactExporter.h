#pragma once

#include "ActDatabaseFile.h"

#include "act/Result.h"

#include <ostream>
#include <vector>

namespace standin {

// Writes contacts as CSV in table order, the inverse of ContactImporter: a header row of labels, then one record
// per contact with "Record Manager" as the user's name (a stored id that no user has is written as it is).
class ContactExporter {
public:
    explicit ContactExporter(ActDatabaseFile& database) : m_database(database) {}

    // Every field is checked before anything is written; no ids means every field that has a column, in
    // position order.
    act::Status write(const std::vector<int>& fieldIds, std::ostream& output);

    // The SQL expression for a field's value: its column, or '' for a field without one such as (Empty Column).
    static std::string valueExpression(const FieldDefinition& field);

private:
    ActDatabaseFile& m_database;
};

} // namespace standin
