#include "StandinObjectsTestSupport.h"

#include "standin/StandinDatabase.h"

using namespace objects_test;
using standin::ErrorCode;

namespace {

std::shared_ptr<act::FieldList> fieldListOf(standin::StandinDatabase& database, const std::string& path) {
    EXPECT_TRUE(database.OpenEx(path).ok());
    return database.Contact().value()->Fields().value();
}

} // namespace

TEST(StandinFieldList, AnswersByPositionWithTheGapAndById) {
    testing_support::TempEnvironment env;
    standin::StandinDatabase database;
    const auto fields = fieldListOf(database, createDatabase(env, QStringLiteral("fields.actdb"), {}));
    EXPECT_EQ(fields->Count().value(), 34);
    const struct {
        int position;
        int id;
        std::string label;
        int type;
    } positions[] = {{0, 1, "Record ID", 1}, {5, 6, "Record Manager", 13},      {29, 30, "Notes", 12},
                     {30, -1, "", 0},        {31, 79, "Create Date (sort)", 7}, {34, 950, "(Empty Column)", 1}};
    for (const auto& p : positions) {
        EXPECT_EQ(fields->IdAt(p.position).value(), p.id) << p.position;
        EXPECT_EQ(fields->LabelAt(p.position).value(), p.label) << p.position;
        EXPECT_EQ(fields->TypeAt(p.position).value(), p.type) << p.position;
        if (p.id != -1) {
            EXPECT_EQ(fields->Label(p.id).value(), p.label) << p.id;
            EXPECT_EQ(fields->Type(p.id).value(), p.type) << p.id;
        }
        EXPECT_EQ(fields->Exists(p.id).value(), p.id != -1) << p.id;
    }
    for (int position : {-1, 35, 1000}) {
        EXPECT_EQ(errorOf(fields->IdAt(position)), code(ErrorCode::OutOfRange)) << position;
        EXPECT_EQ(errorOf(fields->LabelAt(position)), code(ErrorCode::OutOfRange)) << position;
        EXPECT_EQ(errorOf(fields->TypeAt(position)), code(ErrorCode::OutOfRange)) << position;
    }
    for (int id : {-1, 0, 31, 204, 949}) {
        EXPECT_EQ(errorOf(fields->Label(id)), code(ErrorCode::UnknownField)) << id;
        EXPECT_EQ(errorOf(fields->Type(id)), code(ErrorCode::UnknownField)) << id;
        EXPECT_FALSE(fields->Exists(id).value()) << id;
    }
}

TEST(StandinFieldList, IsTheDatabasesOwnList) {
    testing_support::TempEnvironment env;
    const std::string path = createDatabase(env, QStringLiteral("custom.actdb"), {"ID0000000001"});
    standin::ActDatabaseFile::open(path, true)
        ->sql()
        .exec("INSERT INTO fields VALUES(35, 300, 'Loyalty', 5); UPDATE fields SET label = 'Organisation' WHERE id = 2;"
              "UPDATE fields SET label = 'stray', type = 4 WHERE id = -1;"
              "ALTER TABLE contact ADD COLUMN f300 TEXT; UPDATE contact SET f300 = '7'");
    standin::StandinDatabase database;
    const auto fields = fieldListOf(database, path);
    EXPECT_EQ(fields->Count().value(), 35);
    EXPECT_EQ(fields->IdAt(35).value(), 300);
    EXPECT_EQ(fields->Label(2).value(), "Organisation");
    EXPECT_EQ(fields->LabelAt(30).value(), "");
    EXPECT_EQ(fields->TypeAt(30).value(), 0);
    const auto table = database.Contact().value();
    ASSERT_TRUE(table->MoveFirst().ok());
    EXPECT_EQ(table->Data(300).value(), "7");
}
