#include "ComEventSink.h"

namespace act::com {

HRESULT STDMETHODCALLTYPE ComEventSink::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch) && !IsEqualIID(iid, m_events))
        return E_NOINTERFACE;
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

ULONG STDMETHODCALLTYPE ComEventSink::AddRef() {
    return ++m_references;
}

ULONG STDMETHODCALLTYPE ComEventSink::Release() {
    const ULONG left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

HRESULT STDMETHODCALLTYPE ComEventSink::GetTypeInfoCount(UINT* count) {
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ComEventSink::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE ComEventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return DISP_E_UNKNOWNNAME;
}

HRESULT STDMETHODCALLTYPE ComEventSink::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                               EXCEPINFO*, UINT*) {
    if (result)
        VariantInit(result);
    if (member != m_event || !m_handler)
        return S_OK;
    // The handler may end the subscription, and with it the last reference but this one.
    const ComRef<ComEventSink> keep = ComRef<ComEventSink>::share(this);
    const std::function<void()> handler = m_handler;
    handler();
    return S_OK;
}

ComEventSubscription::~ComEventSubscription() {
    m_sink->detach();
    m_point->Unadvise(m_cookie);
}

} // namespace act::com
