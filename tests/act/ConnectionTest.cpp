#include "act/Connection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <type_traits>

namespace {

// The objects a connection holds but does not call while it is built.
struct Inert : act::ContactView, act::ContactTable, act::UsersTable, act::FieldList {
    act::Result<std::string> GetCurrentId() override { return std::string(); }
    act::Status MoveFirst() override { return {}; }
    act::Status MoveNext() override { return {}; }
    act::Result<bool> IsEOF() override { return true; }
    act::Status GoTo(const std::string&) override { return {}; }
    act::Result<std::string> Data(int) override { return std::string(); }
    act::Status LoadLookupQuery(const std::string&) override { return {}; }
    act::Status LookupAll() override { return {}; }
    act::Result<int> Count() override { return 0; }
    act::Result<std::string> Name(int) override { return std::string(); }
    act::Result<std::string> UniqueId(int) override { return std::string(); }
    act::Result<int> IdAt(int) override { return -1; }
    act::Result<std::string> LabelAt(int) override { return std::string(); }
    act::Result<int> TypeAt(int) override { return 0; }
    act::Result<std::string> Label(int) override { return std::string(); }
    act::Result<int> Type(int) override { return 0; }
    act::Result<bool> Exists(int) override { return false; }
};

// Every automation object in one: the calls that build a connection are recorded, and the one named failAt fails.
struct Fake : Inert, act::Application, act::Views, act::Database, std::enable_shared_from_this<Fake> {
    std::vector<std::string> calls;
    std::string failAt;

    act::Status call(const std::string& name) {
        calls.push_back(name);
        return name == failAt ? act::Status(act::Error{440, "refused: " + name}) : act::Status();
    }
    template <typename T> act::Result<std::shared_ptr<T>> object(const std::string& name) {
        if (act::Status s = call(name); !s)
            return s.error();
        if constexpr (std::is_base_of_v<T, Fake>)
            return std::shared_ptr<T>(shared_from_this(), this);
        else
            return std::make_shared<T>();
    }

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
};

struct FakeBackend : act::Backend {
    std::shared_ptr<Fake> fake = std::make_shared<Fake>();
    std::shared_ptr<act::Application> CreateApplication() override {
        fake->calls.push_back("new Application");
        return fake;
    }
    std::shared_ptr<act::Database> CreateDatabase() override {
        fake->calls.push_back("new Database");
        return fake;
    }
    std::shared_ptr<act::AuxCommands> CreateAuxCommands() override { return nullptr; }
    std::unique_ptr<act::EventControl> CreateEventControl() override { return nullptr; }
};

TEST(CreateDatabase, BuildsInOrderAndOnAFailureStopsAndClosesTheDatabaseItMade) {
    std::vector<std::string> order;
    std::istringstream calls(
        "new Application;OpenFile('');Views;Create(1,'');new Database;OpenEx('');ListTable;Contact;"
        "Users;Sales;Fields;Group;PhoneFormatting(2);SaveCurrentLookup(/prog/~currentLU.lku)");
    for (std::string call; std::getline(calls, call, ';');)
        order.push_back(call);
    std::vector<std::string> failures = {""}; // nothing fails
    std::copy_if(order.begin(), order.end(), std::back_inserter(failures),
                 [](const std::string& call) { return call.rfind("new ", 0) != 0; });
    for (const std::string& failAt : failures) {
        SCOPED_TRACE(failAt);
        FakeBackend backend;
        backend.fake->failAt = failAt;
        act::Result<act::Connection> made = act::Create_Database(backend, "/prog");
        const auto end = failAt.empty() ? order.end() : std::find(order.begin(), order.end(), failAt) + 1;
        std::vector<std::string> expected(order.begin(), end);
        if (std::find(order.begin(), end, "new Database") != end)
            expected.push_back("Close");
        if (failAt.empty()) {
            ASSERT_TRUE(made.ok());
            act::Connection c = std::move(made).value();
            EXPECT_TRUE(c.application && c.views && c.contactView && c.database && c.listTable && c.contactTable &&
                        c.usersTable && c.salesTable && c.fieldList && c.groupTable);
            EXPECT_TRUE(c.Release().ok());
            EXPECT_FALSE(c.database || c.application || c.contactTable);
        } else {
            ASSERT_FALSE(made.ok());
            EXPECT_EQ(made.error().number, 440);
            EXPECT_EQ(made.error().description, "refused: " + failAt);
        }
        // Nothing after the failing call runs, except closing a database that was made.
        EXPECT_EQ(backend.fake->calls, expected);
    }
}

} // namespace
