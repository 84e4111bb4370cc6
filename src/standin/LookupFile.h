#pragma once

#include "act/Result.h"

#include <string>
#include <vector>

namespace standin {

// A lookup file (.lku): the line "ACT-STANDIN-LOOKUP 1", then either the line "ALL" or one record id a line
// (LF or CR LF). No ids means no contacts.
struct Lookup {
    bool all = false;
    std::vector<std::string> recordIds;
};

namespace lookupfile {
inline constexpr const char* Header = "ACT-STANDIN-LOOKUP 1";
inline constexpr const char* AllContacts = "ALL";

// Reads a lookup file; an error when it is missing, unreadable or lacks the header line. Empty lines are skipped.
act::Result<Lookup> read(const std::string& path);
// Writes a lookup file atomically.
act::Status write(const std::string& path, const Lookup& lookup);
} // namespace lookupfile

} // namespace standin
