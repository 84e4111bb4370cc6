#pragma once

#include <QList>
#include <QString>

class QComboBox;
class QListWidget;

namespace act {
class UsersTable;
}

namespace gui {

// Removes every item, always the first one, as many times as the control held items.
void Empty_List(QListWidget* list);
void Empty_List(QComboBox* list);

// Empties the list and fills it with the reports of an output type in the report folder, in the one order every
// report list shows.
void Load_Reports(QListWidget* list, const QString& reportFolder, int outputType);

// Adds the name of every ACT! user, in ACT!'s order, with item data (Qt::UserRole) = the user's 1-based number.
// False after an ACT! error, which the error box has reported; the users added before it stay.
bool Load_Users(QListWidget* list, act::UsersTable& users);

// Stores the indices of the list's selected items as the program-wide selection (selectedItems()) and returns it.
// A multiple-selection list with nothing selected leaves the previous selection; a single-selection list gives its
// selected row, or -1 when none is.
const QList<int>& GetSelectedItems(const QListWidget* list);

// Clears every selection of the list; isDeselecting() is true while it does.
void Deselect(QListWidget* list);

} // namespace gui
