#include "support/standin/StandinRunFixture.h"

#include "standin/LookupFile.h"
#include "standin/StateFile.h"

namespace testing_support {

void StandinRunTest::SetUp() {
    m_users = standin::ActDatabaseFile::create(env.path(QStringLiteral("users.actdb")).toStdString())->users();
}

void StandinRunTest::open(const std::vector<ContactValues>& contacts) {
    const QString database = makeContactDatabase(env.path(QStringLiteral("contacts.actdb")), contacts);
    openInStandin(database);
    act::Result<act::Connection> connected = act::Create_Database(backend, env.programFolder().toStdString());
    ASSERT_TRUE(connected.ok()) << connected.error().description;
    connection = std::move(connected).value();
}

const standin::UserRecord& StandinRunTest::user(int number) const {
    return m_users.at(static_cast<std::size_t>(number) - 1);
}

void StandinRunTest::setCurrent(const std::string& recordId) {
    ASSERT_TRUE(
        standin::StateFile().update([&](standin::StateData& d) { d.set("standin", "current", recordId); }).ok());
}

void StandinRunTest::setLookup(const std::vector<std::string>& recordIds) {
    const std::string file = env.path(QStringLiteral("lookup.lku")).toStdString();
    ASSERT_TRUE(standin::lookupfile::write(file, standin::Lookup{false, recordIds}).ok());
    ASSERT_TRUE(standin::StateFile().update([&](standin::StateData& d) { d.set("standin", "lookup", file); }).ok());
}

bool RecordingProgress::step(const QString& phase, qint64 done, qint64 total) {
    steps.push_back({phase, done, total});
    return answer(done);
}

void expectMainWindowError(const std::optional<core::ErrorReport>& report, const QString& procedure, long number) {
    ASSERT_TRUE(report);
    EXPECT_EQ(report->number, number);
    EXPECT_FALSE(report->description.isEmpty());
    EXPECT_EQ(report->module, QStringLiteral("frmMain"));
    EXPECT_EQ(report->kind, QStringLiteral("Function"));
    EXPECT_EQ(report->procedure, procedure);
    EXPECT_GT(report->line, 0);
}

} // namespace testing_support
