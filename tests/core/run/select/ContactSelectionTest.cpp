#include "core/run/StandinRunFixture.h"

#include "core/run/select/ContactSelection.h"
#include "core/run/select/UserDirectory.h"

#include <QDir>
#include <QFile>

#include <optional>

namespace {

using core::Scope;
using Ids = std::vector<std::string>;
using Status = core::SelectionOutcome::Status;

const std::string Zulu = "ZULU00000001";
const std::string Alfa = "ALFA00000002";
const std::string Mike = "MIKE00000003";
const std::string Kilo = "KILO00000004";
const std::string Lima = "LIMA00000005";

class ContactSelection : public testing_support::StandinRunTest {
protected:
    // managers: the users selected with "Selected user"; nullopt for "All users".
    core::SelectionOutcome select(Scope scope, std::optional<QList<int>> managers = std::nullopt) {
        core::SelectionRequest request;
        request.scope = scope;
        request.filterByManager = managers.has_value();
        request.selectedUserNumbers = managers.value_or(QList<int>());
        request.programFolder = env.programFolder();
        return core::Sales_Filter_Dispatch(connection, request, progress);
    }

    // Zulu by user 1, Alfa by user 2, Mike by nobody, Kilo by a part of user 1's id, Lima by user 3.
    void openManagedContacts() {
        ASSERT_NO_FATAL_FAILURE(open({{{1, Zulu}, {6, user(1).uniqueId}},
                                      {{1, Alfa}, {6, user(2).uniqueId}},
                                      {{1, Mike}},
                                      {{1, Kilo}, {6, user(1).uniqueId.substr(0, 6)}},
                                      {{1, Lima}, {6, user(3).uniqueId}}}));
    }

    testing_support::RecordingProgress progress;
};

TEST_F(ContactSelection, AllContactsComeInTableOrder) {
    ASSERT_NO_FATAL_FAILURE(open({{{1, Zulu}}, {{1, Alfa}}, {{1, Mike}}}));
    const core::SelectionOutcome outcome = select(Scope::AllContacts);
    EXPECT_EQ(outcome.status, Status::Selected);
    EXPECT_EQ(outcome.recordIds, (Ids{Zulu, Alfa, Mike}));
    EXPECT_FALSE(outcome.error);
    EXPECT_EQ(progress.steps,
              (std::vector<testing_support::ProgressStep>{{QStringLiteral("Selecting contacts"), 0, -1}}));
}

TEST_F(ContactSelection, CurrentLookupIsSavedToTempLkuAndALaterAllContactsWalkIsNotRestricted) {
    ASSERT_NO_FATAL_FAILURE(open({{{1, Zulu}}, {{1, Alfa}}, {{1, Mike}}, {{1, Kilo}}}));
    ASSERT_NO_FATAL_FAILURE(setLookup({Kilo, Alfa, "NOSUCHRECORD"}));
    const core::SelectionOutcome lookup = select(Scope::CurrentLookup);
    EXPECT_EQ(lookup.status, Status::Selected);
    EXPECT_EQ(lookup.recordIds, (Ids{Alfa, Kilo}));
    EXPECT_TRUE(QFile::exists(QDir(env.programFolder()).filePath(QStringLiteral("temp.lku"))));

    EXPECT_EQ(select(Scope::AllContacts).recordIds, (Ids{Zulu, Alfa, Mike, Kilo}));
    ASSERT_NO_FATAL_FAILURE(select(Scope::CurrentLookup));
    EXPECT_EQ(select(static_cast<Scope>(7)).recordIds, (Ids{Zulu, Alfa, Mike, Kilo})) << "any other scope is all";
}

TEST_F(ContactSelection, ManagerFilterTakesContactsManagedByExactlyOneOfTheSelectedUsers) {
    ASSERT_NO_FATAL_FAILURE(openManagedContacts());
    ASSERT_NO_FATAL_FAILURE(setLookup({Alfa, Mike, Kilo, Lima}));
    const struct {
        Scope scope;
        QList<int> managers;
        Ids expected;
    } cases[] = {
        {Scope::AllContacts, {}, {}},
        {Scope::AllContacts, {1}, {Zulu}},
        {Scope::AllContacts, {3, 1}, {Zulu, Lima}},
        {Scope::AllContacts, {1, 2, 3, 4, 5}, {Zulu, Alfa, Lima}},
        {Scope::CurrentLookup, {}, {}},
        {Scope::CurrentLookup, {1}, {}},
        {Scope::CurrentLookup, {2, 3}, {Alfa, Lima}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "scope " << static_cast<int>(c.scope) << ", " << c.managers.size()
                                        << " users");
        const core::SelectionOutcome outcome = select(c.scope, c.managers);
        EXPECT_EQ(outcome.status, Status::Selected);
        EXPECT_EQ(outcome.recordIds, c.expected);
    }
}

TEST_F(ContactSelection, CurrentContactWithAndWithoutTheManagerFilter) {
    ASSERT_NO_FATAL_FAILURE(openManagedContacts());
    const struct {
        std::string current;
        std::optional<QList<int>> managers;
        Ids expected;
    } cases[] = {
        {"", std::nullopt, {}},           // no current contact
        {"", QList<int>{1}, {}},          // nor with the filter
        {Mike, std::nullopt, {Mike}},     // no filter: whoever manages it
        {Zulu, QList<int>{1}, {Zulu}},    // the filter tests the manager, not the record id
        {Zulu, QList<int>{2, 1}, {Zulu}}, // one of several selected users
        {Zulu, QList<int>{2}, {}},        // managed by another user
        {Zulu, QList<int>{}, {}},         // "Selected user" with nobody selected
        {Mike, QList<int>{1}, {}},        // an unmanaged contact is not taken
        {Kilo, QList<int>{1}, {}},        // a part of a selected id is not that id
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("current '" + c.current + "'" + (c.managers ? " filtered" : ""));
        ASSERT_NO_FATAL_FAILURE(setCurrent(c.current));
        const core::SelectionOutcome outcome = select(Scope::CurrentContact, c.managers);
        EXPECT_EQ(outcome.status, Status::Selected);
        EXPECT_EQ(outcome.recordIds, c.expected);
    }
}

TEST_F(ContactSelection, AnActErrorFailsWithOneReportAndNoIds) {
    ASSERT_NO_FATAL_FAILURE(openManagedContacts());
    const struct {
        const char* what;
        std::function<void()> breakIt;
        Scope scope;
        std::optional<QList<int>> managers;
        QString procedure;
        long number;
    } cases[] = {
        {"a user number past the last", [] {}, Scope::AllContacts, QList<int>{1, 9}, QStringLiteral("GetIDs"),
         testing_support::errorNumber(standin::ErrorCode::OutOfRange)},
        {"a current contact no contact has", [this] { setCurrent("NOSUCHRECORD"); }, Scope::CurrentContact,
         QList<int>{1}, QStringLiteral("GetLookup"), testing_support::errorNumber(standin::ErrorCode::RecordNotFound)},
        {"no program folder for temp.lku", [this] { QDir(env.programFolder()).removeRecursively(); },
         Scope::CurrentLookup, std::nullopt, QStringLiteral("GetLookup"),
         testing_support::errorNumber(standin::ErrorCode::WriteFailed)},
        {"an unreadable state file",
         [this] {
             QFile::remove(env.stateFile());
             QDir().mkpath(env.stateFile());
         },
         Scope::CurrentContact, std::nullopt, QStringLiteral("GetLookup"),
         testing_support::errorNumber(standin::ErrorCode::StateUnreadable)},
        {"a closed database", [this] { (void)connection.database->Close(); }, Scope::AllContacts, std::nullopt,
         QStringLiteral("GetLookup"), testing_support::errorNumber(standin::ErrorCode::ConnectionClosed)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.breakIt();
        const core::SelectionOutcome outcome = select(c.scope, c.managers);
        EXPECT_EQ(outcome.status, Status::Failed);
        EXPECT_TRUE(outcome.recordIds.empty());
        testing_support::expectMainWindowError(outcome.error, c.procedure, c.number);
    }
}

TEST_F(ContactSelection, GetIDsDropsTheIdsCollectedBeforeAnError) {
    ASSERT_NO_FATAL_FAILURE(open({}));
    const core::UserIds good = core::GetIDs(*connection.usersTable, {3, 1});
    EXPECT_EQ(good.ids, (Ids{user(3).uniqueId, user(1).uniqueId}));
    EXPECT_FALSE(good.error);
    const core::UserIds bad = core::GetIDs(*connection.usersTable, {1, 0});
    EXPECT_TRUE(bad.ids.empty());
    testing_support::expectMainWindowError(bad.error, QStringLiteral("GetIDs"),
                                           testing_support::errorNumber(standin::ErrorCode::OutOfRange));
}

TEST_F(ContactSelection, ALongWalkReportsProgressAndStopsWhenCancelledOrBroken) {
    std::vector<testing_support::ContactValues> contacts(5000);
    ASSERT_NO_FATAL_FAILURE(open(contacts));
    const struct {
        const char* what;
        std::function<bool()> atSecondStep;
        Status expected;
    } cases[] = {
        {"cancelled", [] { return false; }, Status::Cancelled},
        {"database closed", [this] { return (void)connection.database->Close(), true; }, Status::Failed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        progress.steps.clear();
        progress.answer = [&](qint64 done) { return done == 0 || c.atSecondStep(); };
        const core::SelectionOutcome outcome = select(Scope::AllContacts);
        EXPECT_EQ(outcome.status, c.expected);
        EXPECT_TRUE(outcome.recordIds.empty()) << "never a part of the list";
        ASSERT_EQ(progress.steps.size(), 2u);
        EXPECT_EQ(progress.steps[1].phase, QStringLiteral("Selecting contacts"));
        EXPECT_GT(progress.steps[1].done, 1000);
        EXPECT_LT(progress.steps[1].done, 5000);
    }
}

TEST_F(ContactSelection, UserDirectoryNamesUsersByUniqueId) {
    ASSERT_NO_FATAL_FAILURE(open({}));
    const act::Result<core::UserDirectory> users = core::UserDirectory::read(*connection.usersTable);
    ASSERT_TRUE(users.ok());
    for (int number = 1; number <= 5; ++number)
        EXPECT_EQ(users.value().GetUserName(user(number).uniqueId), user(number).name);
    EXPECT_EQ(users.value().GetUserName("NOSUCHUSER01"), "");
    EXPECT_EQ(users.value().GetUserName(""), "");
}

} // namespace
