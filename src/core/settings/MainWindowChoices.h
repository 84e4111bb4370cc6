#pragma once

#include "core/settings/SettingsStore.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace core {

// The main window's remembered choices, with their defaults.
struct MainWindowChoices {
    int cboOutput = 0;
    int reportsListIndex = 0;
    std::array<bool, 3> report{false, true, false}; // current contact, current lookup, all contacts
    std::array<bool, 2> managedBy{true, false};     // all users, selected users
    QStringList users;                              // names of the selected users
};

// A stored value that could not be used: the key, and the classic error it raises.
struct ChoiceProblem {
    QString key;
    long errorNumber = 0; // 13 not a number, 380 out of range
};

struct StoredChoices {
    MainWindowChoices choices;     // defaults where a value could not be used
    QList<ChoiceProblem> problems; // in the order the window reads the keys
};

// Reads the choices. A value that is not a number, or out of range (cboOutput not 0 or 1, an index below -1), is
// reported as a problem and its default used.
StoredChoices loadMainWindowChoices(const SettingsStore& store);

// Writes the choices but the users, which the window writes only when some are selected.
bool saveMainWindowChoices(SettingsStore& store, const MainWindowChoices& choices);

// Reads a whole number as the main window stores it; false when the text is not one.
bool readStoredInteger(const QString& text, long long& value);

// The users' key holds names joined by the form feed character.
QStringList splitUserNames(const QString& stored);
QString joinUserNames(const QStringList& names);

} // namespace core
