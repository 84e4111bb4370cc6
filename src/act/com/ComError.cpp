#include "ComError.h"

#include "ComVariant.h"

#include "act/dispatch/Utf16.h"

#include <oleauto.h>
#include <windows.h>

#include <cstdio>

namespace act::com {

namespace {

std::string systemText(HRESULT result) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    std::string text;
    if (length > 0)
        text = dispatch::toUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(buffer), length));
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    if (text.empty()) {
        char code[32];
        std::snprintf(code, sizeof code, "automation error 0x%08lX", static_cast<unsigned long>(result));
        text = code;
    }
    return text;
}

} // namespace

Error errorFrom(HRESULT result, EXCEPINFO& exception) {
    if (result == DISP_E_EXCEPTION && exception.pfnDeferredFillIn)
        exception.pfnDeferredFillIn(&exception);
    const long number = exception.scode != 0 ? exception.scode : exception.wCode != 0 ? exception.wCode : result;
    const std::string description = textOf(exception.bstrDescription);
    const Error error = result != DISP_E_EXCEPTION ? errorFrom(result)
                        : description.empty()      ? errorFrom(number)
                                                   : Error{number, description};
    // An object may fill the exception in and still answer another failure: its strings are ours to free either way.
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    exception = EXCEPINFO{};
    return error;
}

Error errorFrom(HRESULT result) {
    return {result, systemText(result)};
}

Error errorFrom(HRESULT result, const std::string& attempt) {
    return {result, attempt + ": " + systemText(result)};
}

} // namespace act::com
