#include "StandinContactCursor.h"

#include <algorithm>

namespace standin {

namespace {

std::string selectFrom(const std::vector<int>& fieldIds) {
    std::string sql = "SELECT rowid";
    for (int id : fieldIds)
        sql += ", " + columnName(id);
    return sql + " FROM contact WHERE rowid >= ?1 ORDER BY rowid";
}

// SqliteStatement::reset needs a prepared statement.
void release(SqliteStatement& statement) {
    if (statement.valid())
        statement.reset();
}

} // namespace

bool StandinContactCursor::moveTo(SqliteConnection& db, std::int64_t target) {
    if (isOn(target))
        return true;
    // Rowids grow by at least one a row, so a target this near is at most that many steps away.
    if (onRow() && m_rowid < target &&
        static_cast<std::uint64_t>(target) - static_cast<std::uint64_t>(m_rowid) <= NearRows) {
        while (next())
            if (m_rowid >= target)
                return true;
        return false;
    }
    return seek(db, target);
}

bool StandinContactCursor::reach(SqliteConnection& db, std::int64_t rowid) {
    return moveTo(db, rowid) && m_rowid == rowid;
}

bool StandinContactCursor::next() {
    // Off the row until the step succeeds: after a failed step only a seek may use the statement.
    m_onRow = false;
    return settle(m_statement.step());
}

std::string_view StandinContactCursor::value(SqliteConnection& db, int fieldId) {
    const auto selected = std::find(m_fieldIds.begin(), m_fieldIds.end(), fieldId);
    if (selected != m_fieldIds.end())
        return m_statement.text(columnOf(static_cast<std::size_t>(selected - m_fieldIds.begin())));
    std::vector<int> fieldIds = m_fieldIds;
    fieldIds.push_back(fieldId);
    SqliteStatement widened = db.prepare(selectFrom(fieldIds));
    const std::int64_t row = m_rowid;
    m_spare = std::move(widened);
    m_statement = SqliteStatement();
    m_fieldIds = std::move(fieldIds);
    m_onRow = false;
    if (!reach(db, row))
        throw SqliteError("the current record no longer exists");
    return m_statement.text(columnOf(m_fieldIds.size() - 1));
}

void StandinContactCursor::finish() {
    m_onRow = false;
    release(m_statement);
    release(m_spare);
}

bool StandinContactCursor::seek(SqliteConnection& db, std::int64_t target) {
    m_onRow = false;
    if (!m_spare.valid())
        m_spare = db.prepare(selectFrom(m_fieldIds));
    m_spare.reset();
    m_spare.bind(1, target);
    const bool row = m_spare.step();
    std::swap(m_statement, m_spare);
    release(m_spare);
    return settle(row);
}

bool StandinContactCursor::settle(bool row) {
    m_onRow = row;
    if (row)
        m_rowid = m_statement.int64(0);
    return row;
}

} // namespace standin
