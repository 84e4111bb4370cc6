#include "ComApartment.h"

#include <objbase.h>

namespace act::com {

std::shared_ptr<ComApartment> ComApartment::enter() {
    const HRESULT entered = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    return std::shared_ptr<ComApartment>(new ComApartment(SUCCEEDED(entered)));
}

ComApartment::~ComApartment() {
    if (m_leave)
        CoUninitialize();
}

} // namespace act::com
