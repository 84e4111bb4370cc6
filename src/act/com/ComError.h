#pragma once

#include "act/Result.h"

#include <oaidl.h>

#include <string>

namespace act::com {

// A failed call as ACT!'s error: the exception ACT! raised (its number and description), or the system's text for
// the result code. Frees the exception's strings.
Error errorFrom(HRESULT result, EXCEPINFO& exception);
Error errorFrom(HRESULT result);

// A failure of our own around a result code: what we tried, then the system's text.
Error errorFrom(HRESULT result, const std::string& attempt);

} // namespace act::com
