#pragma once

#include "ComApartment.h"
#include "ComRef.h"

#include "act/dispatch/Dispatcher.h"

#include <oaidl.h>
#include <ocidl.h>

#include <atomic>
#include <functional>
#include <memory>

namespace act::com {

// COM interfaces have no virtual destructor: an object deletes itself in Release.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
// Receives one event of an object's event interface, which it answers to by that interface's id, and runs a handler
// for it; every other event of the interface is acknowledged and ignored.
class ComEventSink final : public IDispatch {
public:
    ComEventSink(IID events, DISPID event, std::function<void()> handler)
        : m_events(events), m_event(event), m_handler(std::move(handler)) {}

    // No more events reach the handler, even one already on its way.
    void detach() { m_handler = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                     UINT*) override;

private:
    ~ComEventSink() = default;

    // Atomic: a thread that entered a multithreaded apartment before us gets events on COM's own threads.
    std::atomic<ULONG> m_references = 1;
    IID m_events;
    DISPID m_event;
    std::function<void()> m_handler;
};
#pragma GCC diagnostic pop

// An advised sink: destroying it detaches the sink and unadvises the connection.
class ComEventSubscription : public dispatch::Subscription {
public:
    ComEventSubscription(std::shared_ptr<ComApartment> apartment, ComRef<IConnectionPoint> point,
                         ComRef<ComEventSink> sink, DWORD cookie)
        : m_apartment(std::move(apartment)), m_point(std::move(point)), m_sink(std::move(sink)), m_cookie(cookie) {}
    ~ComEventSubscription() override;

private:
    std::shared_ptr<ComApartment> m_apartment;
    ComRef<IConnectionPoint> m_point;
    ComRef<ComEventSink> m_sink;
    DWORD m_cookie;
};

} // namespace act::com
