#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace standin::recordids {

// The record id made of the low 60 bits of a number: 12 characters of Crockford's base 32, so distinct numbers
// below 2^60 give distinct ids.
std::string fromNumber(std::uint64_t number);

// Characters (code points) in UTF-8 text.
std::size_t characterCount(std::string_view utf8);

// A record id is exactly 12 characters, none of them a control character (a line break would break lookup
// files, which hold one id a line).
bool isValid(std::string_view id);

} // namespace standin::recordids
