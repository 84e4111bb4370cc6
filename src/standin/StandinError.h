#pragma once

#include "act/Result.h"

#include <string>

namespace standin {

// Error numbers the stand-in answers through the automation interface.
enum class ErrorCode : long {
    NoDatabaseOpen = 1001,
    DatabaseUnavailable = 1002,
    UnknownField = 1003,
    OutOfRange = 1004,
    NoCurrentRecord = 1005,
    RecordNotFound = 1006,
    LookupUnreadable = 1007,
    StateUnreadable = 1008,
    ConnectionClosed = 1009,
    WriteFailed = 1010,
    UnknownCommand = 1011,
};

inline act::Error makeError(ErrorCode code, std::string description) {
    return act::Error{static_cast<long>(code), std::move(description)};
}

} // namespace standin
