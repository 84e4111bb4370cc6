#include "StandinObjectsTestSupport.h"

#include "standin/StandinDatabase.h"

#include <set>

using namespace objects_test;
using standin::ErrorCode;

TEST(StandinUsersTable, NumbersTheUsersFromOne) {
    testing_support::TempEnvironment env;
    standin::StandinDatabase database;
    ASSERT_TRUE(database.OpenEx(createDatabase(env, QStringLiteral("users.actdb"), {})).ok());
    const auto users = database.Users().value();
    ASSERT_EQ(users->Count().value(), 5);
    EXPECT_EQ(users->Name(1).value(), "Alex Moreau");
    EXPECT_EQ(users->Name(5).value(), "Eli Novak");
    std::set<std::string> ids;
    for (int n = 1; n <= 5; ++n)
        ids.insert(users->UniqueId(n).value());
    EXPECT_EQ(ids.size(), 5u);
    EXPECT_EQ(ids.begin()->size(), 12u);
    for (int n : {-1, 0, 6}) {
        EXPECT_EQ(errorOf(users->Name(n)), code(ErrorCode::OutOfRange)) << n;
        EXPECT_EQ(errorOf(users->UniqueId(n)), code(ErrorCode::OutOfRange)) << n;
    }
}
