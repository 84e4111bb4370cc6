#pragma once

#include <QString>

#include <map>
#include <string>
#include <vector>

namespace testing_support {

using ContactValues = std::map<int, std::string>; // field id -> value; record id generated when absent

// Makes a contact database with these contacts, in this order; field 79 is derived from 26 when not given.
QString makeContactDatabase(const QString& path, const std::vector<ContactValues>& contacts);
// The stand-in runs with this database open, no current contact and all contacts as the lookup.
void openInStandin(const QString& databasePath);
// Adds one close request, as `act-standin quit` does, without waiting for anyone.
void requestClose();
// Sets keys of a section of the running stand-in's state.
void setStandinState(const std::map<std::string, std::string>& values, const std::string& section = "standin");
// A state value of the running stand-in; "<unreadable>" when its state cannot be read.
std::string standinState(const std::string& key, const std::string& fallback = {});

} // namespace testing_support
