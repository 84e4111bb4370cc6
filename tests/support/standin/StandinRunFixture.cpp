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
    setStandinState({{"current", recordId}});
}

void StandinRunTest::setLookup(const std::vector<std::string>& recordIds) {
    const std::string file = env.path(QStringLiteral("lookup.lku")).toStdString();
    ASSERT_TRUE(standin::lookupfile::write(file, standin::Lookup{false, recordIds}).ok());
    setStandinState({{"lookup", file}});
}

void expectMainWindowError(const std::optional<core::ErrorReport>& report, const QString& procedure, long number) {
    ASSERT_EQ(report.has_value(), number != 0);
    if (report) {
        EXPECT_EQ(std::tuple(report->number, report->module, report->kind, report->procedure),
                  std::tuple(number, QStringLiteral("frmMain"), QStringLiteral("Function"), procedure));
        EXPECT_TRUE(report->line > 0 && !report->description.isEmpty());
    }
}

} // namespace testing_support
