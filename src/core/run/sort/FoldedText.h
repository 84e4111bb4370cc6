#pragma once

#include <string>
#include <string_view>

namespace core {

// Appends the sort key of a UTF-8 text for the C locale: its bytes order texts exactly as QCollator::compare does
// there ignoring case, code unit by code unit after Unicode case folding. Qt's C collator does not use ICU, and its
// sortKey() keeps case, so it cannot serve.
void appendFoldedKey(std::string_view text, std::string& out);

} // namespace core
