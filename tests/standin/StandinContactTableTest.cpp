#include "StandinObjectsTestSupport.h"

#include "standin/StandinDatabase.h"

using namespace objects_test;
using standin::ErrorCode;

namespace {

// Table order (the order of insertion) differs from the ids' sorted order.
const std::vector<std::string> Ids = {"ID0000000030", "ID0000000010", "ID0000000020", "ID0000000040"};

class StandinContactTable : public testing::Test {
protected:
    void SetUp() override {
        m_path = createDatabase(m_env, QStringLiteral("contacts.actdb"), Ids);
        ASSERT_TRUE(m_database.OpenEx(m_path).ok());
        m_table = m_database.Contact().value();
    }

    std::string lookup(const QByteArray& content) { return writeFile(m_env, QStringLiteral("walk.lku"), content); }
    void change(const std::string& sql) { standin::ActDatabaseFile::open(m_path, true)->sql().exec(sql); }
    std::string current() { return m_table->Data(1).value(); }

    testing_support::TempEnvironment m_env;
    std::string m_path;
    standin::StandinDatabase m_database;
    std::shared_ptr<act::ContactTable> m_table;
};

} // namespace

TEST_F(StandinContactTable, WalksInTableOrderWithinTheLoadedLookup) {
    EXPECT_EQ(walk(*m_table), Ids);
    const struct {
        QByteArray file;
        std::vector<std::string> walked;
    } cases[] = {
        {"ACT-STANDIN-LOOKUP 1\nALL\n", Ids},
        {"ACT-STANDIN-LOOKUP 1\nID0000000020\nID0000000030\n", {"ID0000000030", "ID0000000020"}},
        {"ACT-STANDIN-LOOKUP 1\nID0000000099\nshort\nID0000000040\nID0000000040\n", {"ID0000000040"}},
        {"ACT-STANDIN-LOOKUP 1\n", {}},
        {"ACT-STANDIN-LOOKUP 1\r\nID0000000040\r\n\r\nID0000000010\r\n", {"ID0000000010", "ID0000000040"}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(m_table->MoveFirst().ok());
        ASSERT_TRUE(m_table->LoadLookupQuery(lookup(c.file)).ok()) << c.file.constData();
        EXPECT_TRUE(m_table->IsEOF().value()); // until MoveFirst
        EXPECT_EQ(walk(*m_table), c.walked) << c.file.constData();
    }
    // A lookup that cannot be read leaves the restriction as it was.
    EXPECT_EQ(errorOf(m_table->LoadLookupQuery(m_env.path(QStringLiteral("missing.lku")).toStdString())),
              code(ErrorCode::LookupUnreadable));
    EXPECT_EQ(walk(*m_table), (std::vector<std::string>{"ID0000000010", "ID0000000040"}));
    ASSERT_TRUE(m_table->LookupAll().ok());
    EXPECT_EQ(walk(*m_table), Ids);
}

TEST_F(StandinContactTable, SkipsLookupContactsDeletedAfterTheLookupWasLoaded) {
    ASSERT_TRUE(
        m_table->LoadLookupQuery(lookup("ACT-STANDIN-LOOKUP 1\nID0000000010\nID0000000020\nID0000000040\n")).ok());
    change("DELETE FROM contact WHERE f1 IN ('ID0000000010', 'ID0000000020')");
    EXPECT_EQ(walk(*m_table), std::vector<std::string>{"ID0000000040"});
    EXPECT_EQ(errorOf(m_table->GoTo("ID0000000020")), code(ErrorCode::RecordNotFound));
}

TEST_F(StandinContactTable, ASearchSeesContactsAddedSinceTheLastOne) {
    // In WAL mode a writer commits while the table's cursors still read, and a step reads on in that snapshot.
    change("PRAGMA journal_mode=WAL");
    ASSERT_TRUE(m_table->GoTo("ID0000000010").ok());
    change("INSERT INTO contact(f1, f2) VALUES('ID0000000050', 'Company ID0000000050')");
    ASSERT_TRUE(m_table->GoTo("ID0000000050").ok());
    EXPECT_EQ(m_table->Data(2).value(), "Company ID0000000050");
    change("INSERT INTO contact(f1) VALUES('ID0000000060')");
    EXPECT_EQ(walk(*m_table).back(), "ID0000000060");
}

TEST_F(StandinContactTable, AFailedGoToLeavesTheCurrentRecord) {
    const std::string bad[] = {"ID0000000099", "ID000000001", "ID00000000100", "", "id0000000010"};
    ASSERT_TRUE(m_table->MoveFirst().ok());
    ASSERT_TRUE(m_table->MoveNext().ok());
    for (const std::string& id : bad) {
        EXPECT_EQ(errorOf(m_table->GoTo(id)), code(ErrorCode::RecordNotFound)) << id;
        EXPECT_EQ(current(), "ID0000000010") << id;
    }
    ASSERT_TRUE(m_table->MoveNext().ok());
    EXPECT_EQ(current(), "ID0000000020");
    // The same after a GoTo, whose cursor a failed GoTo moves on.
    ASSERT_TRUE(m_table->GoTo("ID0000000030").ok());
    for (const std::string& id : bad) {
        EXPECT_EQ(errorOf(m_table->GoTo(id)), code(ErrorCode::RecordNotFound)) << id;
        EXPECT_EQ(m_table->Data(2).value(), "Company ID0000000030") << id;
    }
}

TEST_F(StandinContactTable, GoToReachesRecordsInAnyOrderAndMoveNextGoesOnFromThere) {
    const std::vector<std::string> visits = {"ID0000000030", "ID0000000010", "ID0000000020", "ID0000000040",
                                             "ID0000000040", "ID0000000020", "ID0000000030", "ID0000000020"};
    for (const std::string& id : visits) {
        ASSERT_TRUE(m_table->GoTo(id).ok()) << id;
        EXPECT_EQ(m_table->Data(2).value(), "Company " + id);
    }
    const struct {
        const char* lookup;
        const char* goTo;
        const char* next; // "" for the end of the walk
    } cases[] = {
        {"", "ID0000000010", "ID0000000020"},
        {"", "ID0000000040", ""},
        {"ID0000000030\nID0000000020\nID0000000040\n", "ID0000000010", "ID0000000020"},
        {"ID0000000030\nID0000000020\nID0000000040\n", "ID0000000030", "ID0000000020"},
        {"ID0000000030\nID0000000040\n", "ID0000000010", "ID0000000040"},
        {"ID0000000030\nID0000000020\n", "ID0000000040", ""},
    };
    for (const auto& c : cases) {
        const std::string file = lookup(QByteArray("ACT-STANDIN-LOOKUP 1\n") + (*c.lookup ? c.lookup : "ALL\n"));
        ASSERT_TRUE(m_table->LoadLookupQuery(file).ok());
        ASSERT_TRUE(m_table->GoTo(c.goTo).ok());
        EXPECT_EQ(current(), c.goTo);
        ASSERT_TRUE(m_table->MoveNext().ok());
        EXPECT_EQ(m_table->IsEOF().value() ? "" : current(), c.next) << c.lookup << " " << c.goTo;
    }
}

TEST_F(StandinContactTable, DataAnswersTheStoredValueOrAClearError) {
    EXPECT_EQ(errorOf(m_table->Data(1)), code(ErrorCode::NoCurrentRecord));
    EXPECT_EQ(errorOf(m_table->MoveNext()), code(ErrorCode::NoCurrentRecord));
    change("UPDATE contact SET f7 = ' Ünïcode  ', f24 = '1,234.50', f79 = '' WHERE f1 = 'ID0000000010'");
    ASSERT_TRUE(m_table->GoTo("ID0000000010").ok());
    const std::pair<int, std::string> values[] = {
        {2, "Company ID0000000010"}, {7, " Ünïcode  "}, {24, "1,234.50"}, {79, ""}, {3, ""}, {950, ""}};
    for (const auto& [field, value] : values)
        EXPECT_EQ(m_table->Data(field).value(), value) << field;
    for (int field : {-1, 0, 31, 204, 951})
        EXPECT_EQ(errorOf(m_table->Data(field)), code(ErrorCode::UnknownField)) << field;

    ASSERT_TRUE(m_table->GoTo("ID0000000040").ok());
    ASSERT_TRUE(m_table->MoveNext().ok());
    for (int repeat = 0; repeat < 2; ++repeat) {
        EXPECT_TRUE(m_table->IsEOF().value());
        EXPECT_EQ(errorOf(m_table->MoveNext()), code(ErrorCode::NoCurrentRecord));
        EXPECT_EQ(errorOf(m_table->Data(1)), code(ErrorCode::NoCurrentRecord));
    }
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
    const auto readGrowing = [&](std::size_t record) {
        for (std::size_t k = 0; k < fields.size() * (record + 1) / Ids.size(); ++k)
            EXPECT_EQ(m_table->Data(fields[k]).value(), std::to_string(fields[k]) + ":" + current());
    };
    ASSERT_TRUE(m_table->MoveFirst().ok());
    for (std::size_t record = 0; record < Ids.size(); ++record) {
        ASSERT_EQ(current(), Ids[record]);
        readGrowing(record);
        ASSERT_TRUE(m_table->MoveNext().ok());
    }
    EXPECT_TRUE(m_table->IsEOF().value());
    for (std::size_t record = 0; record < Ids.size(); ++record) {
        ASSERT_TRUE(m_table->GoTo(Ids[Ids.size() - 1 - record]).ok());
        readGrowing(record);
    }
}

TEST(StandinContactTableEmpty, IsAtItsEndAtOnce) {
    testing_support::TempEnvironment env;
    standin::StandinDatabase database;
    ASSERT_TRUE(database.OpenEx(createDatabase(env, QStringLiteral("empty.actdb"), {})).ok());
    const auto table = database.Contact().value();
    ASSERT_TRUE(table->MoveFirst().ok());
    EXPECT_TRUE(table->IsEOF().value());
    EXPECT_EQ(errorOf(table->GoTo("ID0000000010")), code(ErrorCode::RecordNotFound));
}
