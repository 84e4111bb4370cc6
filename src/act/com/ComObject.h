#pragma once

#include "ComApartment.h"
#include "ComRef.h"

#include "act/dispatch/Dispatcher.h"

#include <oaidl.h>

#include <map>
#include <memory>

namespace act::com {

// An automation object over IDispatch. Members are looked up by name once and invoked as a method or property get,
// as late binding does.
class ComObject : public dispatch::Object {
public:
    ComObject(ComRef<IDispatch> object, std::shared_ptr<ComApartment> apartment)
        : m_apartment(std::move(apartment)), m_object(std::move(object)) {}

    Result<dispatch::Value> Call(const std::string& member, const std::vector<dispatch::Value>& arguments) override;
    Result<dispatch::Value> Call(long dispatchId, const std::vector<dispatch::Value>& arguments) override;
    Result<std::unique_ptr<dispatch::Subscription>> Subscribe(const std::string& event,
                                                              std::function<void()> handler) override;

private:
    // Declared first so that COM is left only after the object is released.
    std::shared_ptr<ComApartment> m_apartment;
    ComRef<IDispatch> m_object;
    std::map<std::string, DISPID> m_dispatchIds;
};

} // namespace act::com
