#pragma once

#include "act/Result.h"

#include <string>
#include <string_view>

namespace standin::toolmessages {

// A failure of an act-standin command, with the one-line reason it prints.
act::Error failure(std::string reason);

// Text from the user in single quotes, with line breaks and other control characters escaped so that a message
// stays on one line.
std::string quote(std::string_view text);

} // namespace standin::toolmessages
