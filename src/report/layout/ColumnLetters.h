#pragma once

#include <string>

namespace report {

// The letters of a 1-based sheet column: 1 is "A", 27 "AA", 16384 "XFD".
std::string columnLetters(int column);

} // namespace report
