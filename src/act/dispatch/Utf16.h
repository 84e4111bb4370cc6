#pragma once

#include <string>
#include <string_view>

namespace act::dispatch {

// Automation text is UTF-16 and ours UTF-8; either side may hold broken sequences (a lone surrogate, a stray byte),
// and each becomes U+FFFD rather than being dropped or passed on.
std::string toUtf8(std::u16string_view text);
std::u16string toUtf16(std::string_view text);

} // namespace act::dispatch
