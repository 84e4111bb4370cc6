#pragma once

#include "FieldCatalogue.h"
#include "Sqlite.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace standin {

// An open statement over the contact table in rowid order. It selects the rowid, then only the fields read so far,
// record id first, because SQLite decodes every selected column at each step. Rows a little ahead are reached by
// stepping, any other by a seek on a second statement made ready beside the first: resetting the only active
// statement would end the read transaction, and the next would take the file locks and check the file again. The
// connection is passed to each call that may prepare or seek, so the cursor never holds it.
class StandinContactCursor {
public:
    // Places the cursor on the first row whose rowid is at least `target`; false when no row is left.
    bool moveTo(SqliteConnection& db, std::int64_t target);
    // Places the cursor on the row with that rowid; false when no row has it.
    bool reach(SqliteConnection& db, std::int64_t rowid);
    // Steps to the next row; only while on a row, since a finished statement stepped again starts over. False when
    // no row is left.
    bool next();

    bool onRow() const { return m_onRow; }
    bool isOn(std::int64_t rowid) const { return onRow() && m_rowid == rowid; }
    std::int64_t rowid() const { return m_rowid; }
    std::string_view recordId() const { return m_statement.text(columnOf(0)); }
    // Value of a field's column in the current row; a field not selected yet joins the selection first.
    std::string_view value(SqliteConnection& db, int fieldId);
    // Leaves the row and releases the statements' hold on the file.
    void finish();

private:
    static constexpr std::uint64_t NearRows = 8;

    static int columnOf(std::size_t fieldIndex) { return static_cast<int>(fieldIndex) + 1; }
    bool seek(SqliteConnection& db, std::int64_t target);
    bool settle(bool row);

    // Both statements, when prepared, select m_fieldIds.
    SqliteStatement m_statement;
    SqliteStatement m_spare;
    std::vector<int> m_fieldIds = {field::RecordId};
    bool m_onRow = false;
    std::int64_t m_rowid = 0;
};

} // namespace standin
