// act-probe: shows what Tallivo reads from the ACT! open on this computer, through the same calls, so that a tester
// can see whether Tallivo and their ACT! understand each other. Windows only; prints UTF-8.
#include "act/Connection.h"
#include "act/com/ComDispatcher.h"
#include "act/dispatch/DispatchBackend.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

constexpr int RecordIdField = 1;
constexpr int ContactsShown = 10;

int failed(const act::Error& error) {
    std::fprintf(stderr, "act-probe: error %ld: %s\n", error.number, error.description.c_str());
    return 1;
}

// A walk that ACT! never ends (positions without fields forever) stops this far past the count.
constexpr int SparePositions = 1000;

// Prints the field list by position and answers the id of the field labelled "Contact" (the name), or 0.
act::Result<int> printFields(act::FieldList& fields) {
    const act::Result<int> count = fields.Count();
    if (!count)
        return count.error();
    std::printf("\nFields (%d): position, id, label, type\n", count.value());
    int nameField = 0;
    for (int position = 0, found = 0; found < count.value() && position < count.value() + SparePositions; ++position) {
        const act::Result<int> id = fields.IdAt(position);
        if (!id)
            return id.error();
        if (id.value() == -1) {
            std::printf("  %3d  (no field)\n", position);
            continue;
        }
        ++found;
        const act::Result<std::string> label = fields.LabelAt(position);
        const act::Result<int> type = fields.TypeAt(position);
        if (!label || !type)
            return label ? type.error() : label.error();
        std::printf("  %3d  %5d  %-30s %d\n", position, id.value(), label.value().c_str(), type.value());
        if (label.value() == "Contact")
            nameField = id.value();
    }
    return nameField;
}

act::Status printUsers(act::UsersTable& users) {
    const act::Result<int> count = users.Count();
    if (!count)
        return count.error();
    std::printf("\nUsers (%d): number, name, unique id\n", count.value());
    for (int number = 1; number <= count.value(); ++number) {
        const act::Result<std::string> name = users.Name(number);
        const act::Result<std::string> id = users.UniqueId(number);
        if (!name || !id)
            return name ? id.error() : name.error();
        std::printf("  %3d  %-30s %s\n", number, name.value().c_str(), id.value().c_str());
    }
    return {};
}

act::Status printContacts(act::ContactTable& table, int nameField) {
    std::printf("\nFirst %d contacts: record id, name\n", ContactsShown);
    if (const act::Status first = table.MoveFirst(); !first)
        return first;
    for (int shown = 0; shown < ContactsShown; ++shown) {
        const act::Result<bool> end = table.IsEOF();
        if (!end)
            return end.error();
        if (end.value())
            break;
        const act::Result<std::string> id = table.Data(RecordIdField);
        const act::Result<std::string> name = nameField ? table.Data(nameField) : std::string("(no Contact field)");
        if (!id || !name)
            return id ? name.error() : id.error();
        std::printf("  %-14s %s\n", id.value().c_str(), name.value().c_str());
        if (const act::Status next = table.MoveNext(); !next)
            return next;
    }
    return {};
}

// Runs this thread's message loop, through which COM delivers ACT!'s events, until ACT!'s user closes ACT!.
act::Status waitForClose(act::EventControl& events, const bool& closing) {
    std::printf("\nWaiting until ACT!'s user closes ACT!...\n");
    MSG message;
    while (!closing && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    std::printf("ACT! announced OnActUserWantsToClose.\n");
    return events.AcknowledgeClose();
}

int probe(act::Backend& backend, bool watchClose) {
    const std::unique_ptr<act::EventControl> events = backend.CreateEventControl();
    bool closing = false;
    events->setOnActUserWantsToClose([&closing] { closing = true; });
    const act::Result<int> state = events->ConnectionState(0);
    if (!state)
        return failed(state.error());
    std::printf("ACT! connection state: %d\n", state.value());
    if (state.value() < 1) {
        std::printf("ACT! is not running with a database open.\n");
        return 1;
    }
    // The connection saves ACT!'s current lookup as Tallivo does, here in the temporary folder.
    const std::u8string folder = std::filesystem::temp_directory_path().u8string();
    act::Result<act::Connection> made = act::Create_Database(backend, std::string(folder.begin(), folder.end()));
    if (!made)
        return failed(made.error());
    act::Connection connection = std::move(made).value();
    const act::Result<std::string> path = connection.database->GetDatabasePath();
    if (!path)
        return failed(path.error());
    std::printf("Database: %s\n", path.value().c_str());
    const act::Result<int> nameField = printFields(*connection.fieldList);
    if (!nameField)
        return failed(nameField.error());
    if (const act::Status users = printUsers(*connection.usersTable); !users)
        return failed(users.error());
    if (const act::Status contacts = printContacts(*connection.contactTable, nameField.value()); !contacts)
        return failed(contacts.error());
    if (watchClose)
        if (const act::Status acknowledged = waitForClose(*events, closing); !acknowledged)
            return failed(acknowledged.error());
    if (const act::Status released = connection.Release(); !released)
        return failed(released.error());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    SetConsoleOutputCP(CP_UTF8);
    const bool watchClose = argc == 2 && std::string(argv[1]) == "--wait-for-close";
    if (argc > 1 && !watchClose) {
        std::fprintf(stderr, "usage: act-probe [--wait-for-close]\n");
        return 2;
    }
    act::dispatch::DispatchBackend backend(std::make_shared<act::com::ComDispatcher>());
    return probe(backend, watchClose);
}
