#pragma once

#include "core/run/RunProgress.h"

#include "act/Connection.h"
#include "core/ErrorReport.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace core {

enum class Scope { CurrentContact = 0, CurrentLookup = 1, AllContacts = 2 };

// The scope the option buttons give: the last chosen one wins; none chosen keeps the previous scope.
Scope chosenScope(const std::array<bool, 3>& chosen, Scope previous);

struct SelectionRequest {
    Scope scope = Scope::CurrentLookup;
    bool filterByManager = false;   // "Selected user" chosen
    QList<int> selectedUserNumbers; // 1-based numbers in the users table, in list order
    QString programFolder;          // where temp.lku is written
};

struct SelectionOutcome {
    enum class Status { Selected, Cancelled, Failed };
    Status status = Status::Selected;
    std::vector<std::string> recordIds; // in table order; empty: no contact is covered
    std::optional<ErrorReport> error;   // Failed: an ACT! error, for the error box (module frmMain)
};

// The selected users' unique ids, in list order (GetIDs).
struct UserIds {
    std::vector<std::string> ids;
    std::optional<ErrorReport> error;
};
UserIds GetIDs(act::UsersTable& users, const QList<int>& selectedUserNumbers);

// Turns the scope and the manager filter into the record-id list (Sales_Filter_Dispatch and GetLookup). With the
// filter on, a contact is taken when its manager (field 6) is exactly one of the selected users, for every scope;
// the all-contacts walk first lifts any lookup an earlier run loaded. The first ACT! error stops the selection.
SelectionOutcome Sales_Filter_Dispatch(const act::Connection& connection, const SelectionRequest& request,
                                       RunProgress& progress);

} // namespace core
