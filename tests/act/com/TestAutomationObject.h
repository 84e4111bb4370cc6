#pragma once

#include <oaidl.h>
#include <ocidl.h>
#include <oleauto.h>
#include <olectl.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

// COM interfaces have no virtual destructor: these objects delete themselves in Release.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

namespace com_test {

// Objects of this test still alive and type attributes still lent out: both back to zero when nothing leaks.
inline int liveObjects = 0;
inline int lentAttributes = 0;

inline constexpr IID EventsId = {0x6a1c3f52, 0x7d1e, 0x4c0b, {0x9a, 0x11, 0x52, 0x3e, 0x0c, 0x4f, 0x77, 0x21}};
inline constexpr DISPID CloseEvent = 7;

// Counts its references and deletes itself at zero.
class Counted {
public:
    Counted() { ++liveObjects; }
    virtual ~Counted() { --liveObjects; }
    ULONG references = 1;

protected:
    ULONG added() { return ++references; }
    ULONG released() {
        const ULONG left = --references;
        if (left == 0)
            delete this;
        return left;
    }
};

// A type description: the class (one default source interface) or that event interface (one event).
class TestTypeInfo final : public ITypeInfo, public Counted {
public:
    explicit TestTypeInfo(bool isClass) : m_isClass(isClass) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_ITypeInfo) ? this : nullptr;
        return *out ? (AddRef(), S_OK) : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return added(); }
    ULONG STDMETHODCALLTYPE Release() override { return released(); }
    HRESULT STDMETHODCALLTYPE GetTypeAttr(TYPEATTR** attributes) override {
        *attributes = new TYPEATTR{};
        (*attributes)->guid = m_isClass ? IID_NULL : EventsId;
        (*attributes)->typekind = m_isClass ? TKIND_COCLASS : TKIND_DISPATCH;
        (*attributes)->cImplTypes = m_isClass ? 2 : 0;
        ++lentAttributes;
        return S_OK;
    }
    void STDMETHODCALLTYPE ReleaseTypeAttr(TYPEATTR* attributes) override {
        delete attributes;
        --lentAttributes;
    }
    // The class's first interface is its incoming one, the second the events.
    HRESULT STDMETHODCALLTYPE GetImplTypeFlags(UINT index, INT* flags) override {
        *flags = index == 0 ? IMPLTYPEFLAG_FDEFAULT : IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE;
        return m_isClass && index < 2 ? S_OK : TYPE_E_ELEMENTNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE GetRefTypeOfImplType(UINT index, HREFTYPE* reference) override {
        *reference = index;
        return m_isClass ? S_OK : TYPE_E_ELEMENTNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE GetRefTypeInfo(HREFTYPE reference, ITypeInfo** info) override {
        *info = m_isClass && reference == 1 ? new TestTypeInfo(false) : nullptr;
        return *info ? S_OK : TYPE_E_ELEMENTNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(LPOLESTR* names, UINT count, MEMBERID* ids) override {
        const bool known = !m_isClass && count == 1 && std::wstring(names[0]) == L"OnActUserWantsToClose";
        ids[0] = known ? CloseEvent : MEMBERID_NIL;
        return known ? S_OK : DISP_E_UNKNOWNNAME;
    }

    HRESULT STDMETHODCALLTYPE GetTypeComp(ITypeComp**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFuncDesc(UINT, FUNCDESC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetVarDesc(UINT, VARDESC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetNames(MEMBERID, BSTR*, UINT, UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(PVOID, MEMBERID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetDocumentation(MEMBERID, BSTR*, BSTR*, DWORD*, BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDllEntry(MEMBERID, INVOKEKIND, BSTR*, BSTR*, WORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE AddressOfMember(MEMBERID, INVOKEKIND, PVOID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID, PVOID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMops(MEMBERID, BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetContainingTypeLib(ITypeLib**, UINT*) override { return E_NOTIMPL; }
    void STDMETHODCALLTYPE ReleaseFuncDesc(FUNCDESC*) override {}
    void STDMETHODCALLTYPE ReleaseVarDesc(VARDESC*) override {}

private:
    bool m_isClass;
};

// An automation object as ACT!'s are reached: members by name and by number, answers of every kind, ACT!'s errors,
// and an event sent through a connection point. It records what each call brought.
class TestAutomationObject final : public IDispatch,
                                   public IProvideClassInfo,
                                   public IConnectionPointContainer,
                                   public IConnectionPoint,
                                   public Counted {
public:
    enum Member : DISPID { Echo = 10, Answer, Fail, FailLater, Mismatch, Child };

    bool describesEvents = true;
    VARIANT answer{};               // what Answer answers
    std::vector<VARIANT> arguments; // the last call's, in declaration order
    DISPID lastMember = 0;
    WORD lastFlags = 0;
    int nameLookups = 0;
    IDispatch* sink = nullptr;

    ~TestAutomationObject() override {
        forget();
        VariantClear(&answer);
    }

    void fire(DISPID event) {
        if (!sink)
            return;
        DISPPARAMS none{nullptr, nullptr, 0, 0};
        sink->Invoke(event, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch))
            *out = static_cast<IDispatch*>(this);
        else if (IsEqualIID(iid, IID_IProvideClassInfo) && describesEvents)
            *out = static_cast<IProvideClassInfo*>(this);
        else if (IsEqualIID(iid, IID_IConnectionPointContainer))
            *out = static_cast<IConnectionPointContainer*>(this);
        else
            *out = nullptr;
        return *out ? (AddRef(), S_OK) : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return added(); }
    ULONG STDMETHODCALLTYPE Release() override { return released(); }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
        ++nameLookups;
        static const std::map<std::wstring, DISPID> members = {{L"Echo", Echo},         {L"Answer", Answer},
                                                               {L"Fail", Fail},         {L"FailLater", FailLater},
                                                               {L"Mismatch", Mismatch}, {L"Child", Child}};
        const auto found = members.find(names[0]);
        ids[0] = found == members.end() ? DISPID_UNKNOWN : found->second;
        return found == members.end() ? DISP_E_UNKNOWNNAME : S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                     EXCEPINFO* exception, UINT* wrongArgument) override {
        lastMember = member;
        lastFlags = flags;
        forget();
        for (UINT i = parameters->cArgs; i-- > 0;) {
            arguments.emplace_back();
            VariantCopy(&arguments.back(), &parameters->rgvarg[i]);
        }
        switch (member) {
        case Echo:
            return arguments.empty() ? S_OK : VariantCopy(result, &arguments.front());
        case Answer:
            return VariantCopy(result, &answer);
        case Fail:
            exception->scode = static_cast<SCODE>(0x800A0BB8);
            exception->bstrSource = SysAllocString(L"ACT!");
            exception->bstrDescription = SysAllocString(L"Record not found");
            return DISP_E_EXCEPTION;
        case FailLater:
            exception->pfnDeferredFillIn = [](EXCEPINFO* later) -> HRESULT {
                later->wCode = 440;
                later->bstrDescription = SysAllocString(L"Filled in later");
                return S_OK;
            };
            return DISP_E_EXCEPTION;
        case Mismatch:
            *wrongArgument = 0; // the last argument
            return DISP_E_TYPEMISMATCH;
        case Child:
            result->vt = VT_DISPATCH;
            result->pdispVal = new TestAutomationObject();
            return S_OK;
        default:
            return member >= 1 && member <= 3 ? S_OK : DISP_E_MEMBERNOTFOUND;
        }
    }

    HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** info) override {
        *info = new TestTypeInfo(true);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override {
        *point = IsEqualIID(iid, EventsId) ? static_cast<IConnectionPoint*>(this) : nullptr;
        return *point ? (AddRef(), S_OK) : CONNECT_E_NOCONNECTION;
    }

    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override {
        *iid = EventsId;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* listener, DWORD* cookie) override {
        if (sink)
            return CONNECT_E_ADVISELIMIT;
        if (FAILED(listener->QueryInterface(EventsId, reinterpret_cast<void**>(&sink))))
            return CONNECT_E_CANNOTCONNECT;
        *cookie = 42;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override {
        if (cookie != 42 || !sink)
            return CONNECT_E_NOCONNECTION;
        std::exchange(sink, nullptr)->Release();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

private:
    void forget() {
        for (VARIANT& argument : arguments)
            VariantClear(&argument);
        arguments.clear();
    }
};

} // namespace com_test

#pragma GCC diagnostic pop
