#pragma once

#include "StandinContactCursor.h"
#include "StandinSession.h"

#include "act/ContactTable.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace standin {

// The contacts in table (rowid) order. The walk and GoTo each keep a cursor of their own, so that each selects
// only the columns its callers read, and a GoTo to the record after the last one costs a single step. A step reads
// on in the cursor's read transaction; MoveFirst and every other GoTo first finish both cursors, so that they start
// from the data last committed.
class StandinContactTable : public act::ContactTable {
public:
    explicit StandinContactTable(std::shared_ptr<StandinSession> session);

    act::Status MoveFirst() override;
    act::Status MoveNext() override;
    act::Result<bool> IsEOF() override;
    act::Status GoTo(const std::string& recordId) override;
    act::Result<std::string> Data(int fieldId) override;
    act::Status LoadLookupQuery(const std::string& lookupFile) override;
    act::Status LookupAll() override;
    act::Result<std::shared_ptr<act::FieldList>> Fields() override;

private:
    // The first record of the walk whose rowid is at least `from`; nothing past the end.
    std::optional<std::int64_t> walkFrom(SqliteConnection& db, std::int64_t from);
    // Rowid of the contact with that record id.
    std::optional<std::int64_t> findRecord(SqliteConnection& db, const std::string& recordId);
    void finishCursors();
    void restrict(std::optional<std::vector<std::int64_t>> lookup);

    std::shared_ptr<StandinSession> m_session;
    StandinContactCursor m_walk;
    StandinContactCursor m_goto;
    SqliteStatement m_findRecord;
    // The cursor that made the current record current; Data reads through it.
    StandinContactCursor* m_source = nullptr;
    std::optional<std::int64_t> m_current;
    // Rowids of the loaded lookup's contacts, ascending; nothing when the walk covers every contact.
    std::optional<std::vector<std::int64_t>> m_lookup;
};

} // namespace standin
