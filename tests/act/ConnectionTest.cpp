#include "act/Connection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A backend that records each call, so the order of the connection's construction can be checked.
struct Recorder {
    std::vector<std::string> calls;
    std::string failAt;

    act::Status status(const std::string& call) {
        calls.push_back(call);
        if (call == failAt)
            return act::Error{440, "refused: " + call};
        return {};
    }
    template <typename T> act::Result<std::shared_ptr<T>> object(const std::string& call) {
        if (auto s = status(call); !s)
            return s.error();
        return std::make_shared<T>();
    }
};

struct FakeFields : act::FieldList {
    act::Result<int> Count() override { return 0; }
    act::Result<int> IdAt(int) override { return -1; }
    act::Result<std::string> LabelAt(int) override { return std::string(); }
    act::Result<int> TypeAt(int) override { return 0; }
    act::Result<std::string> Label(int) override { return std::string(); }
    act::Result<int> Type(int) override { return 0; }
    act::Result<bool> Exists(int) override { return false; }
};

struct FakeContactTable : act::ContactTable {
    Recorder* r = nullptr;
    act::Status MoveFirst() override { return {}; }
    act::Status MoveNext() override { return {}; }
    act::Result<bool> IsEOF() override { return true; }
    act::Status GoTo(const std::string&) override { return {}; }
    act::Result<std::string> Data(int) override { return std::string(); }
    act::Status LoadLookupQuery(const std::string&) override { return {}; }
    act::Status LookupAll() override { return {}; }
    act::Result<std::shared_ptr<act::FieldList>> Fields() override {
        if (auto s = r->status("Contact.Fields"); !s)
            return s.error();
        return std::shared_ptr<act::FieldList>(std::make_shared<FakeFields>());
    }
};

struct FakeUsers : act::UsersTable {
    act::Result<int> Count() override { return 0; }
    act::Result<std::string> Name(int) override { return std::string(); }
    act::Result<std::string> UniqueId(int) override { return std::string(); }
};

struct FakeContactView : act::ContactView {
    act::Result<std::string> GetCurrentId() override { return std::string(); }
};

struct FakeViews : act::Views {
    Recorder* r = nullptr;
    act::Result<std::shared_ptr<act::ContactView>> Create(int type, const std::string& name) override {
        auto made = r->object<FakeContactView>("Views.Create(" + std::to_string(type) + ",'" + name + "')");
        if (!made)
            return made.error();
        return std::shared_ptr<act::ContactView>(made.value());
    }
};

struct FakeApplication : act::Application {
    Recorder* r = nullptr;
    act::Status OpenFile(const std::string& path) override { return r->status("App.OpenFile('" + path + "')"); }
    act::Result<std::shared_ptr<act::Views>> Views() override {
        if (auto s = r->status("App.Views"); !s)
            return s.error();
        auto views = std::make_shared<FakeViews>();
        views->r = r;
        return std::shared_ptr<act::Views>(views);
    }
    act::Status SaveCurrentLookup(const std::string& path) override {
        return r->status("App.SaveCurrentLookup('" + path + "')");
    }
    act::Status Command(int) override { return {}; }
};

struct FakeDatabase : act::Database {
    Recorder* r = nullptr;
    act::Status OpenEx(const std::string& path) override { return r->status("Db.OpenEx('" + path + "')"); }
    act::Result<std::shared_ptr<act::ListTable>> ListTable() override { return up<act::ListTable>("Db.ListTable"); }
    act::Result<std::shared_ptr<act::ContactTable>> Contact() override {
        if (auto s = r->status("Db.Contact"); !s)
            return s.error();
        auto table = std::make_shared<FakeContactTable>();
        table->r = r;
        return std::shared_ptr<act::ContactTable>(table);
    }
    act::Result<std::shared_ptr<act::UsersTable>> Users() override {
        auto made = r->object<FakeUsers>("Db.Users");
        if (!made)
            return made.error();
        return std::shared_ptr<act::UsersTable>(made.value());
    }
    act::Result<std::shared_ptr<act::SalesTable>> Sales() override { return up<act::SalesTable>("Db.Sales"); }
    act::Result<std::shared_ptr<act::GroupTable>> Group() override { return up<act::GroupTable>("Db.Group"); }
    act::Status PhoneFormatting(int mode) override {
        return r->status("Db.PhoneFormatting(" + std::to_string(mode) + ")");
    }
    act::Result<std::string> GetDatabasePath() override { return std::string("/db.actdb"); }
    act::Status Close() override { return r->status("Db.Close"); }

    template <typename T> act::Result<std::shared_ptr<T>> up(const std::string& call) { return r->object<T>(call); }
};

struct FakeBackend : act::Backend {
    Recorder r;
    std::shared_ptr<act::Application> CreateApplication() override {
        r.calls.push_back("new Application");
        auto app = std::make_shared<FakeApplication>();
        app->r = &r;
        return app;
    }
    std::shared_ptr<act::Database> CreateDatabase() override {
        r.calls.push_back("new Database");
        auto db = std::make_shared<FakeDatabase>();
        db->r = &r;
        return db;
    }
    std::shared_ptr<act::AuxCommands> CreateAuxCommands() override { return nullptr; }
    std::unique_ptr<act::EventControl> CreateEventControl() override { return nullptr; }
};

const std::vector<std::string> FullOrder = {
    "new Application",
    "App.OpenFile('')",
    "App.Views",
    "Views.Create(1,'')",
    "new Database",
    "Db.OpenEx('')",
    "Db.ListTable",
    "Db.Contact",
    "Db.Users",
    "Db.Sales",
    "Contact.Fields",
    "Db.Group",
    "Db.PhoneFormatting(2)",
    "App.SaveCurrentLookup('/prog/~currentLU.lku')",
};

TEST(CreateDatabase, BuildsTheConnectionInOrderAndSavesTheLookupInTheProgramFolder) {
    FakeBackend backend;
    auto connection = act::Create_Database(backend, "/prog");
    ASSERT_TRUE(connection.ok());
    EXPECT_EQ(backend.r.calls, FullOrder);
    act::Connection c = std::move(connection).value();
    EXPECT_TRUE(c.application && c.views && c.contactView && c.database && c.listTable && c.contactTable &&
                c.usersTable && c.salesTable && c.fieldList && c.groupTable);
    EXPECT_TRUE(c.Release().ok());
    EXPECT_EQ(backend.r.calls.back(), "Db.Close");
    EXPECT_FALSE(c.database || c.application);
}

TEST(CreateDatabase, StopsAtTheFirstFailingMemberAndReportsItsError) {
    for (std::size_t failing = 1; failing < FullOrder.size(); ++failing) {
        if (FullOrder[failing].rfind("new ", 0) == 0)
            continue;
        FakeBackend backend;
        backend.r.failAt = FullOrder[failing];
        auto connection = act::Create_Database(backend, "/prog");
        ASSERT_FALSE(connection.ok()) << FullOrder[failing];
        EXPECT_EQ(connection.error().number, 440);
        EXPECT_EQ(connection.error().description, "refused: " + FullOrder[failing]);
        // Nothing after the failing member runs, except closing a database that was created.
        std::vector<std::string> expected(FullOrder.begin(), FullOrder.begin() + failing + 1);
        if (failing >= 4)
            expected.push_back("Db.Close");
        EXPECT_EQ(backend.r.calls, expected) << FullOrder[failing];
    }
}

} // namespace
