#include "ComObject.h"

#include "ComError.h"
#include "ComEventSink.h"
#include "ComVariant.h"

#include "act/dispatch/Utf16.h"

#include <ocidl.h>
#include <oleauto.h>

namespace act::com {

namespace {

using dispatch::Value;

Result<DISPID> dispatchIdOf(IDispatch& object, const std::string& name) {
    std::u16string wide = dispatch::toUtf16(name);
    LPOLESTR names[] = {reinterpret_cast<LPOLESTR>(wide.data())};
    DISPID id = DISPID_UNKNOWN;
    if (const HRESULT found = object.GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id); FAILED(found))
        return errorFrom(found);
    return id;
}

Result<Value> invoke(IDispatch& object, DISPID id, const std::vector<Value>& arguments,
                     const std::shared_ptr<ComApartment>& apartment) {
    Result<ComArguments> list = ComArguments::from(arguments);
    if (!list)
        return list.error();
    ComArguments passed = std::move(list).value();
    DISPPARAMS parameters = passed.parameters();
    VARIANT answer;
    VariantInit(&answer);
    EXCEPINFO exception{};
    UINT wrongArgument = 0;
    const HRESULT invoked = object.Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                                          &parameters, &answer, &exception, &wrongArgument);
    if (FAILED(invoked)) {
        VariantClear(&answer);
        Error error = errorFrom(invoked, exception);
        if (invoked == DISP_E_TYPEMISMATCH || invoked == DISP_E_PARAMNOTFOUND)
            error.description += " (argument " + std::to_string(passed.positionOf(wrongArgument)) + ")";
        return error;
    }
    Result<Value> value = valueFrom(answer, apartment);
    VariantClear(&answer);
    return value;
}

// The object's default event interface and the dispatch id it gives the event, from the object's class description.
struct EventInterface {
    IID iid;
    DISPID event;
};

Result<EventInterface> eventInterfaceOf(IDispatch& object, const std::string& event) {
    ComRef<IProvideClassInfo> described;
    if (const HRESULT found = object.QueryInterface(IID_IProvideClassInfo, described.putVoid()); FAILED(found))
        return errorFrom(found, "the object does not describe its events");
    ComRef<ITypeInfo> coclass;
    if (const HRESULT got = described->GetClassInfo(coclass.put()); FAILED(got))
        return errorFrom(got, "the object does not describe its events");
    TYPEATTR* attributes = nullptr;
    if (const HRESULT got = coclass->GetTypeAttr(&attributes); FAILED(got))
        return errorFrom(got, "the object does not describe its events");
    const WORD interfaces = attributes->cImplTypes;
    coclass->ReleaseTypeAttr(attributes);

    ComRef<ITypeInfo> events;
    for (UINT i = 0; i < interfaces && !events; ++i) {
        INT flags = 0;
        HREFTYPE reference = 0;
        if (SUCCEEDED(coclass->GetImplTypeFlags(i, &flags)) &&
            (flags & (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE)) ==
                (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE) &&
            SUCCEEDED(coclass->GetRefTypeOfImplType(i, &reference)))
            coclass->GetRefTypeInfo(reference, events.put());
    }
    if (!events)
        return Error{E_NOINTERFACE, "the object has no events"};
    if (const HRESULT got = events->GetTypeAttr(&attributes); FAILED(got))
        return errorFrom(got, "the object does not describe its events");
    const IID iid = attributes->guid;
    events->ReleaseTypeAttr(attributes);

    std::u16string wide = dispatch::toUtf16(event);
    LPOLESTR names[] = {reinterpret_cast<LPOLESTR>(wide.data())};
    DISPID id = DISPID_UNKNOWN;
    if (const HRESULT found = events->GetIDsOfNames(names, 1, &id); FAILED(found))
        return errorFrom(found, "the object has no such event");
    return EventInterface{iid, id};
}

} // namespace

Result<Value> ComObject::Call(const std::string& member, const std::vector<Value>& arguments) {
    auto known = m_dispatchIds.find(member);
    if (known == m_dispatchIds.end()) {
        const Result<DISPID> id = dispatchIdOf(*m_object.get(), member);
        if (!id)
            return id.error();
        known = m_dispatchIds.emplace(member, id.value()).first;
    }
    return invoke(*m_object.get(), known->second, arguments, m_apartment);
}

Result<Value> ComObject::Call(long dispatchId, const std::vector<Value>& arguments) {
    return invoke(*m_object.get(), dispatchId, arguments, m_apartment);
}

Result<std::unique_ptr<dispatch::Subscription>> ComObject::Subscribe(const std::string& event,
                                                                     std::function<void()> handler) {
    const Result<EventInterface> events = eventInterfaceOf(*m_object.get(), event);
    if (!events)
        return events.error();
    ComRef<IConnectionPointContainer> container;
    if (const HRESULT found = m_object->QueryInterface(IID_IConnectionPointContainer, container.putVoid());
        FAILED(found))
        return errorFrom(found, "the object sends no events");
    ComRef<IConnectionPoint> point;
    if (const HRESULT found = container->FindConnectionPoint(events.value().iid, point.put()); FAILED(found))
        return errorFrom(found, "the object sends no events");
    auto sink =
        ComRef<ComEventSink>::adopt(new ComEventSink(events.value().iid, events.value().event, std::move(handler)));
    DWORD cookie = 0;
    if (const HRESULT advised = point->Advise(sink.get(), &cookie); FAILED(advised)) {
        sink->detach();
        return errorFrom(advised, "the object refused to send its events");
    }
    return std::unique_ptr<dispatch::Subscription>(
        std::make_unique<ComEventSubscription>(m_apartment, std::move(point), std::move(sink), cookie));
}

} // namespace act::com
