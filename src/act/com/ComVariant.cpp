#include "ComVariant.h"

#include "ComError.h"
#include "ComObject.h"
#include "ComRef.h"

#include "act/dispatch/Utf16.h"

#include <oleauto.h>

namespace act::com {

namespace {

using dispatch::Value;

Result<VARIANT> variantFrom(const Value& value) {
    VARIANT variant;
    VariantInit(&variant);
    if (std::holds_alternative<dispatch::Missing>(value)) {
        variant.vt = VT_ERROR;
        variant.scode = DISP_E_PARAMNOTFOUND; // how an omitted argument is passed
    } else if (const auto* flag = std::get_if<bool>(&value)) {
        variant.vt = VT_BOOL;
        variant.boolVal = *flag ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (const auto* number = std::get_if<std::int32_t>(&value)) {
        variant.vt = VT_I4;
        variant.lVal = *number;
    } else if (const auto* real = std::get_if<double>(&value)) {
        variant.vt = VT_R8;
        variant.dblVal = *real;
    } else if (const auto* text = std::get_if<std::string>(&value)) {
        const std::u16string wide = dispatch::toUtf16(*text);
        variant.bstrVal =
            SysAllocStringLen(reinterpret_cast<const OLECHAR*>(wide.data()), static_cast<UINT>(wide.size()));
        if (!variant.bstrVal)
            return errorFrom(E_OUTOFMEMORY);
        variant.vt = VT_BSTR;
    } else {
        return Error{DISP_E_TYPEMISMATCH, "an object cannot be passed to ACT!"};
    }
    return variant;
}

// A copy of the variant changed to another kind, cleared when it goes.
class Converted {
public:
    Converted() { VariantInit(&m_variant); }
    ~Converted() { VariantClear(&m_variant); }
    Converted(const Converted&) = delete;
    Converted& operator=(const Converted&) = delete;

    bool from(VARIANT& source, VARTYPE type) {
        VariantClear(&m_variant);
        return SUCCEEDED(VariantChangeType(&m_variant, &source, 0, type));
    }
    VARIANT& operator*() { return m_variant; }

private:
    VARIANT m_variant;
};

Result<Value> objectFrom(IUnknown* unknown, const std::shared_ptr<ComApartment>& apartment) {
    if (!unknown)
        return Value(std::shared_ptr<dispatch::Object>());
    ComRef<IDispatch> object;
    if (const HRESULT found = unknown->QueryInterface(IID_IDispatch, object.putVoid()); FAILED(found))
        return errorFrom(found, "ACT! answered an object that cannot be automated");
    return Value(std::shared_ptr<dispatch::Object>(std::make_shared<ComObject>(std::move(object), apartment)));
}

} // namespace

std::string textOf(BSTR text) {
    return dispatch::toUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(text), SysStringLen(text)));
}

Result<ComArguments> ComArguments::from(const std::vector<Value>& arguments) {
    ComArguments list;
    list.m_variants.reserve(arguments.size());
    for (auto argument = arguments.rbegin(); argument != arguments.rend(); ++argument) {
        Result<VARIANT> variant = variantFrom(*argument);
        if (!variant)
            return variant.error();
        list.m_variants.push_back(variant.value());
    }
    return list;
}

ComArguments::~ComArguments() {
    for (VARIANT& variant : m_variants)
        VariantClear(&variant);
}

DISPPARAMS ComArguments::parameters() {
    return {m_variants.data(), nullptr, static_cast<UINT>(m_variants.size()), 0};
}

Result<Value> valueFrom(VARIANT& variant, const std::shared_ptr<ComApartment>& apartment) {
    Converted converted;
    if (variant.vt & VT_BYREF) {
        if (FAILED(VariantCopyInd(&*converted, &variant)))
            return Error{DISP_E_TYPEMISMATCH, "ACT! answered a reference that cannot be read"};
        return valueFrom(*converted, apartment);
    }
    switch (variant.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return Value(dispatch::Missing());
    case VT_ERROR:
        if (variant.scode == DISP_E_PARAMNOTFOUND)
            return Value(dispatch::Missing());
        break;
    case VT_BOOL:
        return Value(variant.boolVal != VARIANT_FALSE);
    case VT_BSTR:
        return Value(textOf(variant.bstrVal));
    case VT_DISPATCH:
        return objectFrom(variant.pdispVal, apartment);
    case VT_UNKNOWN:
        return objectFrom(variant.punkVal, apartment);
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_I8:
    case VT_INT:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UI8:
    case VT_UINT:
        if (converted.from(variant, VT_I4))
            return Value(static_cast<std::int32_t>((*converted).lVal));
        [[fallthrough]];
    case VT_R4:
    case VT_R8:
    case VT_DECIMAL:
        if (converted.from(variant, VT_R8))
            return Value((*converted).dblVal);
        break;
    default:
        break;
    }
    if (converted.from(variant, VT_BSTR))
        return Value(textOf((*converted).bstrVal));
    return Error{DISP_E_TYPEMISMATCH,
                 "ACT! answered a value of kind " + std::to_string(variant.vt) + " that cannot be read"};
}

} // namespace act::com
