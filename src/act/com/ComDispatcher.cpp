#include "ComDispatcher.h"

#include "ComError.h"
#include "ComObject.h"

#include "act/dispatch/Utf16.h"

#include <objbase.h>

namespace act::com {

Result<std::shared_ptr<dispatch::Object>> ComDispatcher::Create(const std::string& programmaticName) {
    const std::u16string name = dispatch::toUtf16(programmaticName);
    CLSID classId;
    if (const HRESULT found = CLSIDFromProgID(reinterpret_cast<LPCOLESTR>(name.c_str()), &classId); FAILED(found))
        return errorFrom(found, "not registered on this computer");
    ComRef<IDispatch> object;
    if (const HRESULT made = CoCreateInstance(classId, nullptr, CLSCTX_SERVER, IID_IDispatch, object.putVoid());
        FAILED(made))
        return errorFrom(made, "could not be started");
    return std::shared_ptr<dispatch::Object>(std::make_shared<ComObject>(std::move(object), m_apartment));
}

} // namespace act::com
