#pragma once

#include "act/Connection.h"
#include "core/ErrorReport.h"
#include "standin/ActDatabaseFile.h"
#include "standin/StandinBackend.h"
#include "standin/StandinError.h"
#include "support/RecordingProgress.h"
#include "support/TempEnvironment.h"
#include "support/standin/StandinFixtures.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// A fresh environment, a contact database made for the test, open in the stand-in, and the program's connection.
class StandinRunTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { (void)connection.Release(); }

    // Makes the database, opens it in the stand-in and connects as start-up does.
    void open(const std::vector<ContactValues>& contacts);
    // A new database's user at a 1-based number, known before the test's database is made.
    const standin::UserRecord& user(int number) const;
    void setCurrent(const std::string& recordId);
    void setLookup(const std::vector<std::string>& recordIds);

    TempEnvironment env;
    standin::StandinBackend backend;
    act::Connection connection;

private:
    std::vector<standin::UserRecord> m_users;
};

// One report of an error caught in a main-window function; none when number is 0.
void expectMainWindowError(const std::optional<core::ErrorReport>& report, const QString& procedure, long number);

} // namespace testing_support
