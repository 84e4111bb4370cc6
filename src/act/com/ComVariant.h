#pragma once

#include "ComApartment.h"

#include "act/dispatch/Dispatcher.h"

#include <oaidl.h>

#include <memory>
#include <string>
#include <vector>

namespace act::com {

// Arguments as an automation call takes them: in reverse order, each cleared when the list goes.
class ComArguments {
public:
    static Result<ComArguments> from(const std::vector<dispatch::Value>& arguments);
    ComArguments(ComArguments&& other) noexcept = default;
    ComArguments& operator=(ComArguments&&) = delete;
    ~ComArguments();

    DISPPARAMS parameters();
    // Position in declaration order (from 1) of the argument that an automation call names by its slot.
    unsigned positionOf(UINT slot) const { return static_cast<unsigned>(m_variants.size()) - slot; }

private:
    ComArguments() = default;

    std::vector<VARIANT> m_variants;
};

// An automation string as UTF-8; a null one, which automation takes for empty, as "".
std::string textOf(BSTR text);

// Reads an answer; other kinds of value than ours arrive as the text the system makes of them (a date, an amount).
// The variant itself stays the caller's to clear.
Result<dispatch::Value> valueFrom(VARIANT& variant, const std::shared_ptr<ComApartment>& apartment);

} // namespace act::com
