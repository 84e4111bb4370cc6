#include "StandinTestSupport.h"

using namespace standin_test;
using standin::ActDatabaseFile;

TEST(ActDatabaseFile, ANewDatabaseHasTheDocumentedTables) {
    TempEnvironment env;
    const QString db = QString::fromStdString(createDatabase(env, u"new.actdb"_s, {}));
    // Other tools read these tables by these names.
    EXPECT_EQ(query(db, "SELECT COUNT(*), COUNT(DISTINCT id), MIN(position), MAX(position) FROM fields"),
              Rows{"35|35|0|34"});
    EXPECT_EQ(query(db, "SELECT position, id, label, type FROM fields WHERE position IN (0, 5, 30, 31, 34)"),
              (Rows{"0|1|Record ID|1", "5|6|Record Manager|13", "30|-1||0", "31|79|Create Date (sort)|7",
                    "34|950|(Empty Column)|1"}));
    EXPECT_EQ(query(db, "SELECT position, length(unique_id), name FROM users ORDER BY position"),
              (Rows{"1|12|Alex Moreau", "2|12|Bob", "3|12|Bob Smith", "4|12|Dana Reyes", "5|12|Eli Novak"}));
    EXPECT_EQ(query(db, "SELECT COUNT(*), group_concat(CASE WHEN pk THEN name END), SUM(name IN ('f30', 'f79', "
                        "'f203')), SUM(name = 'f950') FROM pragma_table_info('contact')"),
              Rows{"33|f1|3|0"});
}

TEST(FieldCatalogue, CreateDateSortIsTheDatePartOfAUsDateOnly) {
    EXPECT_EQ(standin::createDateSortValue("03/14/2025 09:30"), "2025-03-14");
    EXPECT_EQ(standin::createDateSortValue("12/01/1999"), "1999-12-01");
    for (const char* bad : {"", "2025-03-14", "3/14/2025", "13/01/2025", "03/14/2025x", "03-14-2025"})
        EXPECT_EQ(standin::createDateSortValue(bad), "") << bad;
}
