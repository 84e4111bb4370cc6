#include "core/run/select/ContactSelection.h"

#include "core/run/RunProcedures.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <utility>

namespace core {

namespace {

constexpr int RecordIdField = 1;
constexpr int ManagerField = 6;
constexpr qint64 ProgressEvery = 4096;

SelectionOutcome selected(std::vector<std::string> recordIds) {
    return {SelectionOutcome::Status::Selected, std::move(recordIds), std::nullopt};
}

SelectionOutcome failed(ErrorReport report) {
    return {SelectionOutcome::Status::Failed, {}, std::move(report)};
}

SelectionOutcome failedAt(int line, const act::Error& error) {
    return failed(errorAt(procedures::GetLookup, line, error));
}

// GetLookup for one request: the manager filter is nullopt when every contact is taken.
class RecordIdLookup {
public:
    RecordIdLookup(const act::Connection& connection, std::optional<std::vector<std::string>> managers,
                   RunProgress& progress)
        : m_connection(connection), m_table(*connection.contactTable), m_managers(std::move(managers)),
          m_progress(progress) {}

    SelectionOutcome currentContact() {
        act::Result<std::string> current = m_connection.contactView->GetCurrentId();
        if (!current)
            return failedAt(__LINE__, current.error());
        if (current.value().empty())
            return selected({});
        if (m_managers) {
            if (const act::Status reached = m_table.GoTo(current.value()); !reached)
                return failedAt(__LINE__, reached.error());
            const act::Result<bool> taken = managedBySelected();
            if (!taken)
                return failedAt(__LINE__, taken.error());
            if (!taken.value())
                return selected({});
        }
        return selected({std::move(current).value()});
    }

    SelectionOutcome currentLookup(const QString& programFolder) {
        const std::string lookupFile =
            QFile::encodeName(QDir(programFolder).filePath(QStringLiteral("temp.lku"))).toStdString();
        if (const act::Status saved = m_connection.application->SaveCurrentLookup(lookupFile); !saved)
            return failedAt(__LINE__, saved.error());
        if (const act::Status loaded = m_table.LoadLookupQuery(lookupFile); !loaded)
            return failedAt(__LINE__, loaded.error());
        return walk();
    }

    SelectionOutcome allContacts() {
        // A lookup loaded by an earlier run of this window still restricts the table.
        if (const act::Status lifted = m_table.LookupAll(); !lifted)
            return failedAt(__LINE__, lifted.error());
        return walk();
    }

private:
    SelectionOutcome walk() {
        std::vector<std::string> recordIds;
        if (const act::Status first = m_table.MoveFirst(); !first)
            return failedAt(__LINE__, first.error());
        for (qint64 visited = 0;; ++visited) {
            if (visited % ProgressEvery == 0 && !m_progress.step(QStringLiteral("Selecting contacts"), visited, -1))
                return {SelectionOutcome::Status::Cancelled, {}, std::nullopt};
            const act::Result<bool> eof = m_table.IsEOF();
            if (!eof)
                return failedAt(__LINE__, eof.error());
            if (eof.value())
                return selected(std::move(recordIds));
            const act::Result<bool> taken = managedBySelected();
            if (!taken)
                return failedAt(__LINE__, taken.error());
            if (taken.value()) {
                act::Result<std::string> recordId = m_table.Data(RecordIdField);
                if (!recordId)
                    return failedAt(__LINE__, recordId.error());
                recordIds.push_back(std::move(recordId).value());
            }
            if (const act::Status next = m_table.MoveNext(); !next)
                return failedAt(__LINE__, next.error());
        }
    }

    // Whether the filter takes the current record: its manager is exactly one of the selected users.
    act::Result<bool> managedBySelected() {
        if (!m_managers)
            return true;
        const act::Result<std::string> manager = m_table.Data(ManagerField);
        if (!manager)
            return manager.error();
        return std::find(m_managers->begin(), m_managers->end(), manager.value()) != m_managers->end();
    }

    const act::Connection& m_connection;
    act::ContactTable& m_table;
    const std::optional<std::vector<std::string>> m_managers;
    RunProgress& m_progress;
};

} // namespace

UserIds GetIDs(act::UsersTable& users, const QList<int>& selectedUserNumbers) {
    UserIds result;
    for (const int number : selectedUserNumbers) {
        act::Result<std::string> id = users.UniqueId(number);
        if (!id)
            return {{}, errorAt(procedures::GetIDs, __LINE__, id.error())};
        result.ids.push_back(std::move(id).value());
    }
    return result;
}

SelectionOutcome Sales_Filter_Dispatch(const act::Connection& connection, const SelectionRequest& request,
                                       RunProgress& progress) {
    std::optional<std::vector<std::string>> managers;
    if (request.filterByManager) {
        UserIds users = GetIDs(*connection.usersTable, request.selectedUserNumbers);
        if (users.error)
            return failed(std::move(*users.error));
        if (users.ids.empty())
            return selected({});
        managers = std::move(users.ids);
    }
    RecordIdLookup lookup(connection, std::move(managers), progress);
    switch (request.scope) {
    case Scope::CurrentContact:
        return lookup.currentContact();
    case Scope::CurrentLookup:
        return lookup.currentLookup(request.programFolder);
    case Scope::AllContacts:
        break;
    }
    // Any other scope covers all contacts too.
    return lookup.allContacts();
}

Scope chosenScope(const std::array<bool, 3>& chosen, Scope previous) {
    for (std::size_t i = 0; i < chosen.size(); ++i)
        if (chosen[i])
            previous = static_cast<Scope>(i);
    return previous;
}

} // namespace core
