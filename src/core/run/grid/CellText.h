#pragma once

#include "core/run/select/UserDirectory.h"

#include <string>
#include <string_view>

namespace core {

// How the cells of a column are made from its field's values, by the field's type.
enum class CellRule {
    DateOnly, // date and time: up to the first space
    UserName, // a user's unique id: that user's name
    Trimmed,  // anything else: without leading and trailing spaces
};

CellRule cellRuleForType(int fieldType);

// A cell's text; it views the value or a name in the directory.
std::string_view cellText(CellRule rule, const std::string& value, const UserDirectory& users);

} // namespace core
