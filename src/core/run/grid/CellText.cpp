#include "core/run/grid/CellText.h"

namespace core {

namespace {

constexpr int DateTimeType = 10;
constexpr int UserType = 13;

} // namespace

CellRule cellRuleForType(int fieldType) {
    switch (fieldType) {
    case DateTimeType:
        return CellRule::DateOnly;
    case UserType:
        return CellRule::UserName;
    default:
        return CellRule::Trimmed;
    }
}

std::string_view cellText(CellRule rule, const std::string& value, const UserDirectory& users) {
    const std::string_view text(value);
    switch (rule) {
    case CellRule::DateOnly:
        return text.substr(0, text.find(' '));
    case CellRule::UserName:
        return users.GetUserName(value);
    case CellRule::Trimmed:
        break;
    }
    // Only spaces: tabs and line breaks are part of the value.
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace core
