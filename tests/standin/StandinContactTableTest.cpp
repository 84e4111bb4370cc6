#include "StandinTestSupport.h"

#include "standin/StandinDatabase.h"

using namespace standin_test;
using standin::ErrorCode;

namespace {

// Table order (the order of insertion) differs from the ids' sorted order.
const Rows Ids = {"R030", "R010", "R020", "R040"};

class StandinContactTable : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_database.OpenEx(m_path).ok());
        m_table = m_database.Contact().value();
    }
    // Loads a lookup of these lines, or of all contacts when there are none.
    void load(const QByteArray& ids) {
        const QString file =
            writeFile(m_env.path(u"walk.lku"_s), "ACT-STANDIN-LOOKUP 1\n" + (ids.isNull() ? "ALL\n" : ids));
        ASSERT_TRUE(m_table->LoadLookupQuery(file.toStdString()).ok());
    }
    void change(const std::string& sql) { standin::ActDatabaseFile::open(m_path, true)->sql().exec(sql); }
    std::string current() { return m_table->Data(1).value(); }

    TempEnvironment m_env;
    const std::string m_path = createDatabase(m_env, u"contacts.actdb"_s, Ids);
    standin::StandinDatabase m_database;
    std::shared_ptr<act::ContactTable> m_table;
};

} // namespace

TEST_F(StandinContactTable, WalksInTableOrderWithinTheLoadedLookupFromTheFirstOrAnyRecord) {
    // The lookup's lines, the record a GoTo starts at (null: MoveFirst), the walk.
    const std::tuple<QByteArray, const char*, Rows> cases[] = {
        {QByteArray(), nullptr, Ids},
        {"R020\nR030\n", nullptr, {"R030", "R020"}},
        {"R099\nshort\nR040\nR040\n", nullptr, {"R040"}},
        {"", nullptr, {}},
        {"\r\nR040\r\n\r\nR010\r\n", nullptr, {"R010", "R040"}},
        {QByteArray(), "R010", {"R010", "R020", "R040"}},
        {QByteArray(), "R040", {"R040"}},
        // A GoTo reaches any record; MoveNext goes on to the lookup's next one in table order.
        {"R030\nR020\nR040\n", "R010", {"R010", "R020", "R040"}},
        {"R030\nR020\nR040\n", "R030", {"R030", "R020", "R040"}},
        {"R030\nR040\n", "R010", {"R010", "R040"}},
        {"R030\nR020\n", "R040", {"R040"}},
    };
    for (const auto& [lookup, goTo, walked] : cases) {
        SCOPED_TRACE(lookup.toStdString() + (goTo ? goTo : ""));
        ASSERT_TRUE(m_table->MoveFirst().ok());
        load(lookup);
        EXPECT_TRUE(m_table->IsEOF().value()); // until a move
        EXPECT_EQ(walk(*m_table, goTo), walked);
    }
    // A lookup that cannot be read leaves the restriction as it was.
    EXPECT_EQ(errorOf(m_table->LoadLookupQuery(m_env.path(u"missing.lku"_s).toStdString())),
              code(ErrorCode::LookupUnreadable));
    EXPECT_EQ(walk(*m_table), (Rows{"R030", "R020"}));
    ASSERT_TRUE(m_table->LookupAll().ok());
    EXPECT_EQ(walk(*m_table), Ids);

    // Contacts deleted after the lookup was loaded are skipped; added ones are found, though in WAL mode a writer
    // commits while the table's cursors still read.
    load("R010\nR020\nR040\n");
    change("DELETE FROM contact WHERE f1 IN ('R010', 'R020')");
    EXPECT_EQ(walk(*m_table), Rows{"R040"});
    EXPECT_EQ(errorOf(m_table->GoTo("R020")), code(ErrorCode::RecordNotFound));
    ASSERT_TRUE(m_table->LookupAll().ok());
    ASSERT_TRUE(m_table->GoTo("R030").ok());
    change("INSERT INTO contact(f1, f2) VALUES('R050', 'Company R050')");
    ASSERT_TRUE(m_table->GoTo("R050").ok());
    EXPECT_EQ(m_table->Data(2).value(), "Company R050");
    change("INSERT INTO contact(f1) VALUES('R060')");
    EXPECT_EQ(walk(*m_table).back(), "R060");
}

TEST_F(StandinContactTable, DataAnswersTheStoredValueOrAClearErrorAndAFailedGoToMovesNothing) {
    EXPECT_EQ(errorOf(m_table->Data(1)), code(ErrorCode::NoCurrentRecord));
    EXPECT_EQ(errorOf(m_table->MoveNext()), code(ErrorCode::NoCurrentRecord));
    change("UPDATE contact SET f7 = ' Ünïcode  ', f24 = '1,234.50', f79 = '', f8 = CAST(X'4361FE66C3' AS TEXT) "
           "WHERE f1 = 'R010'");
    ASSERT_TRUE(m_table->GoTo("R010").ok());
    // Text that is not valid UTF-8 crosses the interface with U+FFFD for each bad byte.
    const std::pair<int, std::string> values[] = {{2, "Company R010"},
                                                  {7, " Ünïcode  "},
                                                  {24, "1,234.50"},
                                                  {79, ""},
                                                  {3, ""},
                                                  {950, ""},
                                                  {8, "Ca\uFFFD"
                                                      "f\uFFFD"}};
    for (const auto& [field, value] : values)
        EXPECT_EQ(m_table->Data(field).value(), value) << field;
    for (int field : {-1, 0, 31, 204, 951})
        EXPECT_EQ(errorOf(m_table->Data(field)), code(ErrorCode::UnknownField)) << field;

    // A failed GoTo leaves the current record, whether a walk or a GoTo (whose cursor it moves on) reached it.
    for (bool byGoTo : {false, true}) {
        ASSERT_TRUE(byGoTo ? m_table->GoTo("R010").ok() : m_table->MoveFirst().ok() && m_table->MoveNext().ok());
        for (const char* id : {"R099", "R01", "R0100", "", "r010"}) {
            EXPECT_EQ(errorOf(m_table->GoTo(id)), code(ErrorCode::RecordNotFound)) << id;
            EXPECT_EQ(current() + "|" + m_table->Data(2).value(), "R010|Company R010") << id;
        }
        ASSERT_TRUE(m_table->MoveNext().ok());
        EXPECT_EQ(current(), "R020");
    }
    ASSERT_TRUE(m_table->GoTo("R040").ok());
    ASSERT_TRUE(m_table->MoveNext().ok());
    EXPECT_TRUE(m_table->IsEOF().value());
    EXPECT_EQ(
        (std::vector<long>{errorOf(m_table->MoveNext()), errorOf(m_table->Data(1)), errorOf(m_table->MoveNext())}),
        std::vector<long>(3, code(ErrorCode::NoCurrentRecord)));
    EXPECT_TRUE(m_table->IsEOF().value());
    // An empty table is at its end at once.
    change("DELETE FROM contact");
    ASSERT_TRUE(m_table->MoveFirst().ok());
    EXPECT_TRUE(m_table->IsEOF().value());
    EXPECT_EQ(errorOf(m_table->GoTo("R010")), code(ErrorCode::RecordNotFound));
}

TEST_F(StandinContactTable, ReadsFieldsFirstAskedForOnAnyRecord) {
    std::vector<int> fields;
    std::string update = "UPDATE contact SET f1 = f1";
    for (const standin::FieldDefinition& f : standin::newDatabaseCatalogue())
        if (f.hasColumn() && f.id != standin::field::RecordId) {
            fields.push_back(f.id);
            update += ", " + standin::columnName(f.id) + " = '" + std::to_string(f.id) + ":' || f1";
        }
    change(update);
    // Each record asks for more fields than the one before, so the walk and GoTo widen their selection on every
    // record, and must stay on it and go on from it.
    const auto readGrowing = [&](std::size_t record, const std::string& id) {
        for (std::size_t k = 0; k < fields.size() * (record + 1) / Ids.size(); ++k)
            EXPECT_EQ(m_table->Data(fields[k]).value(), std::to_string(fields[k]) + ":" + id);
    };
    ASSERT_TRUE(m_table->MoveFirst().ok());
    for (std::size_t record = 0; record < Ids.size(); ++record, (void)m_table->MoveNext())
        readGrowing(record, Ids[record]);
    EXPECT_TRUE(m_table->IsEOF().value());
    for (std::size_t record = 0; record < Ids.size(); ++record) {
        ASSERT_TRUE(m_table->GoTo(Ids[Ids.size() - 1 - record]).ok());
        readGrowing(record, Ids[Ids.size() - 1 - record]);
    }
}
