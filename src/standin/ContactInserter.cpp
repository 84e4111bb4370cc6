#include "ContactInserter.h"

#include "FieldCatalogue.h"

namespace standin {

namespace {

std::string insertStatement(const std::vector<int>& fieldIds) {
    std::string columns;
    std::string parameters;
    for (int id : fieldIds) {
        columns += (columns.empty() ? "" : ", ") + columnName(id);
        parameters += parameters.empty() ? "?" : ", ?";
    }
    return "INSERT INTO contact(" + columns + ") VALUES(" + parameters + ")";
}

} // namespace

ContactInserter::ContactInserter(SqliteConnection& db, const std::vector<int>& fieldIds)
    : m_statement(db.prepare(insertStatement(fieldIds))) {
    // Record ids arrive in random order; with the default 2 MB cache every insert into their index reads and
    // writes pages, which makes a million contacts several times slower.
    db.exec("PRAGMA cache_size=-65536");
}

void ContactInserter::insert(const std::vector<std::string>& values) {
    for (std::size_t i = 0; i < values.size(); ++i)
        m_statement.bind(static_cast<int>(i + 1), values[i]);
    m_statement.step();
    m_statement.reset();
}

} // namespace standin
