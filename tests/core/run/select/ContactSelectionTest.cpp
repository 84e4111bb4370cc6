#include "support/standin/StandinRunFixture.h"

#include "core/run/select/ContactSelection.h"

#include <QDir>
#include <QFile>

#include <optional>

namespace {

using core::Scope;
using Ids = std::vector<std::string>;
using Status = core::SelectionOutcome::Status;

const std::string Zulu = "ZULU00000001", Alfa = "ALFA00000002", Mike = "MIKE00000003", Kilo = "KILO00000004",
                  Lima = "LIMA00000005";

class ContactSelection : public testing_support::StandinRunTest {
protected:
    // managers: the users selected with "Selected user"; nullopt for "All users".
    core::SelectionOutcome select(Scope scope, std::optional<QList<int>> managers = std::nullopt) {
        const core::SelectionRequest request{scope, managers.has_value(), managers.value_or(QList<int>()),
                                             env.programFolder()};
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

TEST_F(ContactSelection, TakesTheScopesContactsInTableOrderManagedByExactlyOneOfTheSelectedUsers) {
    ASSERT_NO_FATAL_FAILURE(openManagedContacts());
    ASSERT_NO_FATAL_FAILURE(setLookup({Lima, Alfa, Mike, Kilo, "NOSUCHRECORD"}));
    const std::nullopt_t anyone = std::nullopt;
    const struct {
        Scope scope;
        std::string current;
        std::optional<QList<int>> managers; // anyone: "All users"
        Ids expected;
    } cases[] = {
        {Scope::CurrentLookup, "", anyone, {Alfa, Mike, Kilo, Lima}},
        {Scope::AllContacts, "", anyone, {Zulu, Alfa, Mike, Kilo, Lima}}, // the lookup restricts no later walk
        {static_cast<Scope>(7), "", anyone, {Zulu, Alfa, Mike, Kilo, Lima}},
        {Scope::AllContacts, "", QList<int>{1}, {Zulu}},
        {Scope::AllContacts, "", QList<int>{3, 1}, {Zulu, Lima}},
        {Scope::AllContacts, "", QList<int>{1, 2, 3, 4, 5}, {Zulu, Alfa, Lima}},
        {Scope::CurrentLookup, "", QList<int>{}, {}},
        {Scope::CurrentLookup, "", QList<int>{1}, {}},
        {Scope::CurrentLookup, "", QList<int>{2, 3}, {Alfa, Lima}},
        {Scope::CurrentContact, "", anyone, {}},
        {Scope::CurrentContact, Mike, anyone, {Mike}},
        {Scope::CurrentContact, Zulu, QList<int>{2, 1}, {Zulu}}, // the filter tests the manager, not the record id
        {Scope::CurrentContact, Zulu, QList<int>{2}, {}},
        {Scope::CurrentContact, Zulu, QList<int>{}, {}},
        {Scope::CurrentContact, Mike, QList<int>{1}, {}}, // an unmanaged contact is not taken
        {Scope::CurrentContact, Kilo, QList<int>{1}, {}}, // a part of a selected id is not that id
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        ASSERT_NO_FATAL_FAILURE(setCurrent(c.current));
        const core::SelectionOutcome outcome = select(c.scope, c.managers);
        EXPECT_EQ(std::tuple(outcome.status, outcome.recordIds, outcome.error.has_value()),
                  std::tuple(Status::Selected, c.expected, false));
    }
    EXPECT_TRUE(QFile::exists(QDir(env.programFolder()).filePath(QStringLiteral("temp.lku"))));
    EXPECT_EQ(progress.steps.back(), (testing_support::ProgressStep{QStringLiteral("Selecting contacts"), 0, -1}));
}

TEST_F(ContactSelection, AnActErrorFailsWithOneReportAndNoIds) {
    ASSERT_NO_FATAL_FAILURE(openManagedContacts());
    using standin::ErrorCode;
    const struct {
        const char* what;
        std::function<void()> breakIt;
        Scope scope;
        std::optional<QList<int>> managers;
        const char* procedure;
        ErrorCode code;
    } cases[] = {
        {"a user number past the last", [] {}, Scope::AllContacts, QList<int>{1, 9}, "GetIDs", ErrorCode::OutOfRange},
        {"a current contact no contact has", [this] { setCurrent("NOSUCHRECORD"); }, Scope::CurrentContact,
         QList<int>{1}, "GetLookup", ErrorCode::RecordNotFound},
        {"no program folder for temp.lku", [this] { QDir(env.programFolder()).removeRecursively(); },
         Scope::CurrentLookup, std::nullopt, "GetLookup", ErrorCode::WriteFailed},
        {"an unreadable state file", [this] { QFile::remove(env.stateFile()), QDir().mkpath(env.stateFile()); },
         Scope::CurrentContact, std::nullopt, "GetLookup", ErrorCode::StateUnreadable},
        {"a closed database", [this] { (void)connection.database->Close(); }, Scope::AllContacts, std::nullopt,
         "GetLookup", ErrorCode::ConnectionClosed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.breakIt();
        const core::SelectionOutcome outcome = select(c.scope, c.managers);
        EXPECT_EQ(std::pair(outcome.status, outcome.recordIds.empty()), std::pair(Status::Failed, true));
        testing_support::expectMainWindowError(outcome.error, QString::fromLatin1(c.procedure),
                                               static_cast<long>(c.code));
    }
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
        EXPECT_EQ(std::pair(outcome.status, outcome.recordIds.empty()), std::pair(c.expected, true));
        ASSERT_EQ(progress.steps.size(), 2u);
        EXPECT_EQ(progress.steps[1].phase, QStringLiteral("Selecting contacts"));
        EXPECT_TRUE(progress.steps[1].done > 1000 && progress.steps[1].done < 5000) << progress.steps[1].done;
    }
}

} // namespace
