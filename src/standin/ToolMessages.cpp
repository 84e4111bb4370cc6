#include "ToolMessages.h"

#include <cstdio>

namespace standin::toolmessages {

act::Error failure(std::string reason) {
    return act::Error{1, std::move(reason)};
}

std::string quote(std::string_view text) {
    std::string result = "'";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            result += "\\n";
        } else if (c == '\r') {
            result += "\\r";
        } else if (byte < 0x20 || byte == 0x7F) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            result += escape;
        } else {
            result += c;
        }
    }
    return result + "'";
}

} // namespace standin::toolmessages
