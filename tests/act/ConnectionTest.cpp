#include "act/Connection.h"

#include <gtest/gtest.h>

#include <sstream>
#include <type_traits>

namespace {

using namespace act;

// The backend and every automation object that building a connection calls, in one: the calls are recorded and the
// one named failAt fails. The objects a connection only holds come back null.
struct Fake : Backend, Application, Views, Database, ContactTable, std::enable_shared_from_this<Fake> {
    std::string calls; // each ending in ";"
    std::string failAt;

    act::Status call(const std::string& name) {
        calls += name + ";";
        return name == failAt ? act::Status(act::Error{440, "refused: " + name}) : act::Status();
    }
    template <typename T> act::Result<std::shared_ptr<T>> object(const std::string& name) {
        if (act::Status s = call(name); !s)
            return s.error();
        if constexpr (std::is_base_of_v<T, Fake>)
            return std::shared_ptr<T>(shared_from_this(), this);
        else
            return std::shared_ptr<T>();
    }

    std::shared_ptr<act::Application> CreateApplication() override { return object<Fake>("new Application").value(); }
    std::shared_ptr<act::Database> CreateDatabase() override { return object<Fake>("new Database").value(); }
    std::shared_ptr<act::AuxCommands> CreateAuxCommands() override { return nullptr; }
    std::unique_ptr<act::EventControl> CreateEventControl() override { return nullptr; }
    act::Status OpenFile(const std::string& path) override { return call("OpenFile('" + path + "')"); }
    act::Result<std::shared_ptr<act::Views>> Views() override { return object<act::Views>("Views"); }
    act::Status SaveCurrentLookup(const std::string& path) override { return call("SaveCurrentLookup(" + path + ")"); }
    act::Status Command(int) override { return {}; }
    act::Result<std::shared_ptr<act::ContactView>> Create(int type, const std::string& name) override {
        return object<act::ContactView>("Create(" + std::to_string(type) + ",'" + name + "')");
    }
    act::Status OpenEx(const std::string& path) override { return call("OpenEx('" + path + "')"); }
    act::Result<std::shared_ptr<act::ListTable>> ListTable() override { return object<act::ListTable>("ListTable"); }
    act::Result<std::shared_ptr<act::ContactTable>> Contact() override { return object<act::ContactTable>("Contact"); }
    act::Result<std::shared_ptr<act::UsersTable>> Users() override { return object<act::UsersTable>("Users"); }
    act::Result<std::shared_ptr<act::SalesTable>> Sales() override { return object<act::SalesTable>("Sales"); }
    act::Result<std::shared_ptr<act::GroupTable>> Group() override { return object<act::GroupTable>("Group"); }
    act::Status PhoneFormatting(int mode) override { return call("PhoneFormatting(" + std::to_string(mode) + ")"); }
    act::Result<std::string> GetDatabasePath() override { return std::string(); }
    act::Status Close() override { return call("Close"); }
    act::Result<std::shared_ptr<act::FieldList>> Fields() override { return object<act::FieldList>("Fields"); }
    act::Status MoveFirst() override { return {}; }
    act::Status MoveNext() override { return {}; }
    act::Result<bool> IsEOF() override { return true; }
    act::Status GoTo(const std::string&) override { return {}; }
    act::Result<std::string> Data(int) override { return std::string(); }
    act::Status LoadLookupQuery(const std::string&) override { return {}; }
    act::Status LookupAll() override { return {}; }
};

TEST(CreateDatabase, BuildsInOrderAndOnAFailureStopsAndClosesTheDatabaseItMade) {
    const std::string order =
        "new Application;OpenFile('');Views;Create(1,'');new Database;OpenEx('');ListTable;Contact;"
        "Users;Sales;Fields;Group;PhoneFormatting(2);SaveCurrentLookup(/prog/~currentLU.lku);";
    std::istringstream split(order);
    std::vector<std::string> failures = {""}; // nothing fails
    for (std::string call; std::getline(split, call, ';');)
        if (call.rfind("new ", 0) != 0)
            failures.push_back(call);
    for (const std::string& failAt : failures) {
        SCOPED_TRACE(failAt);
        const auto fake = std::make_shared<Fake>();
        fake->failAt = failAt;
        act::Result<act::Connection> made = act::Create_Database(*fake, "/prog");
        EXPECT_EQ(made.ok() ? "" : std::to_string(made.error().number) + " " + made.error().description,
                  failAt.empty() ? "" : "440 refused: " + failAt);
        if (made.ok()) {
            act::Connection c = std::move(made).value();
            EXPECT_TRUE(c.Release().ok());
            EXPECT_FALSE(c.database || c.application || c.contactTable);
        }
        // Nothing after the failing call runs, except closing a database that was made.
        std::string expected = failAt.empty() ? order : order.substr(0, order.find(failAt + ";") + failAt.size() + 1);
        if (expected.find("new Database;") != std::string::npos)
            expected += "Close;";
        EXPECT_EQ(fake->calls, expected);
    }
}

} // namespace
