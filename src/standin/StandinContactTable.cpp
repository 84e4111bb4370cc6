#include "StandinContactTable.h"

#include "LookupFile.h"
#include "StandinFieldList.h"

#include "core/text/EightBitText.h"

#include <algorithm>
#include <limits>

namespace standin {

namespace {

// One read transaction over several statements, so that SQLite takes the file locks and checks the file once
// rather than at each statement that starts while no other is active.
class ReadTransaction {
public:
    explicit ReadTransaction(SqliteConnection& db) : m_db(db) { m_db.exec("BEGIN"); }
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;
    ~ReadTransaction() {
        // Ending a transaction that only read loses nothing, whatever COMMIT answers.
        try {
            m_db.exec("COMMIT");
        } catch (const SqliteError&) {
        }
    }

private:
    SqliteConnection& m_db;
};

act::Error noCurrentRecord() {
    return makeError(ErrorCode::NoCurrentRecord,
                     "no contact is current (the walk is past its last record or has not begun)");
}

} // namespace

StandinContactTable::StandinContactTable(std::shared_ptr<StandinSession> session) : m_session(std::move(session)) {}

act::Status StandinContactTable::MoveFirst() {
    return m_session->run([this](ActDatabaseFile& db) -> act::Status {
        finishCursors();
        m_current = walkFrom(db.sql(), std::numeric_limits<std::int64_t>::min());
        m_source = &m_walk;
        return {};
    });
}

act::Status StandinContactTable::MoveNext() {
    return m_session->run([this](ActDatabaseFile& db) -> act::Status {
        if (!m_current)
            return noCurrentRecord();
        m_current =
            *m_current == std::numeric_limits<std::int64_t>::max() ? std::nullopt : walkFrom(db.sql(), *m_current + 1);
        m_source = &m_walk;
        return {};
    });
}

act::Result<bool> StandinContactTable::IsEOF() {
    return m_session->run([this](ActDatabaseFile&) -> act::Result<bool> { return !m_current; });
}

act::Status StandinContactTable::GoTo(const std::string& recordId) {
    return m_session->run([&](ActDatabaseFile& db) -> act::Status {
        // Reports visit records in table order, so the record after the last one reached is tried first.
        if (!(m_goto.onRow() && m_goto.next() && m_goto.recordId() == recordId)) {
            finishCursors();
            const ReadTransaction read(db.sql());
            const std::optional<std::int64_t> rowid = findRecord(db.sql(), recordId);
            if (!rowid || !m_goto.reach(db.sql(), *rowid))
                return makeError(ErrorCode::RecordNotFound, "no contact has the record id '" + recordId + "'");
        }
        m_current = m_goto.rowid();
        m_source = &m_goto;
        return {};
    });
}

act::Result<std::string> StandinContactTable::Data(int fieldId) {
    return m_session->run([&](ActDatabaseFile& db) -> act::Result<std::string> {
        const FieldDefinition* field = db.fieldById(fieldId);
        if (!field)
            return makeError(ErrorCode::UnknownField, "no field has the id " + std::to_string(fieldId));
        if (!m_current)
            return noCurrentRecord();
        if (!field->hasColumn())
            return std::string();
        if (!m_source->reach(db.sql(), *m_current))
            return makeError(ErrorCode::RecordNotFound, "the current contact no longer exists");
        return core::eightbit::validUtf8(m_source->value(db.sql(), fieldId));
    });
}

act::Status StandinContactTable::LoadLookupQuery(const std::string& lookupFile) {
    return m_session->run([&](ActDatabaseFile& db) -> act::Status {
        act::Result<Lookup> lookup = lookupfile::read(lookupFile);
        if (!lookup)
            return lookup.error();
        if (lookup.value().all) {
            restrict(std::nullopt);
            return {};
        }
        finishCursors();
        const ReadTransaction read(db.sql());
        std::vector<std::int64_t> rowids;
        rowids.reserve(lookup.value().recordIds.size());
        for (const std::string& recordId : lookup.value().recordIds)
            if (const std::optional<std::int64_t> rowid = findRecord(db.sql(), recordId))
                rowids.push_back(*rowid);
        std::sort(rowids.begin(), rowids.end());
        rowids.erase(std::unique(rowids.begin(), rowids.end()), rowids.end());
        restrict(std::move(rowids));
        return {};
    });
}

act::Status StandinContactTable::LookupAll() {
    return m_session->run([this](ActDatabaseFile&) -> act::Status {
        restrict(std::nullopt);
        return {};
    });
}

act::Result<std::shared_ptr<act::FieldList>> StandinContactTable::Fields() {
    return m_session->run([this](ActDatabaseFile&) -> act::Result<std::shared_ptr<act::FieldList>> {
        return std::shared_ptr<act::FieldList>(std::make_shared<StandinFieldList>(m_session));
    });
}

std::optional<std::int64_t> StandinContactTable::walkFrom(SqliteConnection& db, std::int64_t from) {
    if (!m_lookup)
        return m_walk.moveTo(db, from) ? std::optional(m_walk.rowid()) : std::nullopt;
    auto wanted = std::lower_bound(m_lookup->begin(), m_lookup->end(), from);
    while (wanted != m_lookup->end() && m_walk.moveTo(db, *wanted)) {
        if (m_walk.rowid() == *wanted)
            return *wanted;
        // That contact was deleted since the lookup was loaded: go on from the row the cursor found instead.
        wanted = std::lower_bound(wanted, m_lookup->end(), m_walk.rowid());
    }
    return std::nullopt;
}

std::optional<std::int64_t> StandinContactTable::findRecord(SqliteConnection& db, const std::string& recordId) {
    if (!m_findRecord.valid())
        m_findRecord = db.prepare("SELECT rowid FROM contact WHERE f1 = ?1");
    m_findRecord.reset();
    m_findRecord.bind(1, recordId);
    const std::optional<std::int64_t> rowid = m_findRecord.step() ? std::optional(m_findRecord.int64(0)) : std::nullopt;
    m_findRecord.reset();
    return rowid;
}

void StandinContactTable::finishCursors() {
    m_walk.finish();
    m_goto.finish();
}

void StandinContactTable::restrict(std::optional<std::vector<std::int64_t>> lookup) {
    m_lookup = std::move(lookup);
    m_current.reset();
    m_source = nullptr;
}

} // namespace standin
