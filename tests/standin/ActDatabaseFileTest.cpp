#include "standin/ActDatabaseFile.h"
#include "support/TempEnvironment.h"

#include <QFile>
#include <gtest/gtest.h>

using standin::ActDatabaseFile;

TEST(ActDatabaseFile, NewDatabaseHasTheCatalogueAndTheFiveUsers) {
    testing_support::TempEnvironment env;
    const std::string path = env.path(QStringLiteral("new.actdb")).toStdString();
    ActDatabaseFile::create(path);
    auto db = ActDatabaseFile::open(path);
    ASSERT_EQ(db->fields().size(), 35u);
    EXPECT_EQ(db->fields()[30].id, -1);
    EXPECT_EQ(db->fields()[31].id, 79);
    EXPECT_EQ(db->fieldByLabel("Create Date (sort)")->id, 79);
    ASSERT_EQ(db->users().size(), 5u);
    EXPECT_EQ(db->users()[2].name, "Bob Smith");
    EXPECT_EQ(db->users()[2].uniqueId.size(), 12u);
    EXPECT_EQ(db->columnFields().size(), 33u);
}

TEST(ActDatabaseFile, RefusesMissingCorruptAndExistingFiles) {
    testing_support::TempEnvironment env;
    const QString garbage = env.path(QStringLiteral("garbage.actdb"));
    QFile f(garbage);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    EXPECT_THROW(ActDatabaseFile::open(env.path(QStringLiteral("missing.actdb")).toStdString()), standin::SqliteError);
    EXPECT_THROW(ActDatabaseFile::open(garbage.toStdString()), standin::SqliteError);
    EXPECT_THROW(ActDatabaseFile::create(garbage.toStdString()), standin::SqliteError);
    EXPECT_EQ(f.size(), 4096);
}

TEST(FieldCatalogue, CreateDateSortIsTheDatePartOfAUsDateOnly) {
    EXPECT_EQ(standin::createDateSortValue("03/14/2025 09:30"), "2025-03-14");
    EXPECT_EQ(standin::createDateSortValue("12/01/1999"), "1999-12-01");
    for (const char* bad : {"", "2025-03-14", "3/14/2025", "13/01/2025", "03/14/2025x", "03-14-2025"})
        EXPECT_EQ(standin::createDateSortValue(bad), "") << bad;
}
