#include "DispatchDatabase.h"

#include "DispatchContactTable.h"
#include "DispatchUsersTable.h"

namespace act::dispatch {

namespace {

// A table the program holds until shutdown without calling it.
template <typename Table> class HeldTable : public Table {
public:
    explicit HeldTable(Target table) : m_table(std::move(table)) {}

private:
    Target m_table;
};

} // namespace

Result<std::shared_ptr<act::ListTable>> DispatchDatabase::ListTable() {
    return wrapped<act::ListTable, HeldTable<act::ListTable>>(m_database.object("ListTable"));
}

Result<std::shared_ptr<act::ContactTable>> DispatchDatabase::Contact() {
    return wrapped<act::ContactTable, DispatchContactTable>(m_database.object("Contact"));
}

Result<std::shared_ptr<act::UsersTable>> DispatchDatabase::Users() {
    return wrapped<act::UsersTable, DispatchUsersTable>(m_database.object("Users"));
}

Result<std::shared_ptr<act::SalesTable>> DispatchDatabase::Sales() {
    return wrapped<act::SalesTable, HeldTable<act::SalesTable>>(m_database.object("Sales"));
}

Result<std::shared_ptr<act::GroupTable>> DispatchDatabase::Group() {
    return wrapped<act::GroupTable, HeldTable<act::GroupTable>>(m_database.object("Group"));
}

} // namespace act::dispatch
