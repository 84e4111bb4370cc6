#pragma once

#include "ComApartment.h"

#include "act/dispatch/Dispatcher.h"

#include <memory>

namespace act::com {

// Makes automation objects through COM from their registered programmatic names, in this thread's apartment.
class ComDispatcher : public dispatch::Dispatcher {
public:
    ComDispatcher() : m_apartment(ComApartment::enter()) {}

    Result<std::shared_ptr<dispatch::Object>> Create(const std::string& programmaticName) override;

private:
    std::shared_ptr<ComApartment> m_apartment;
};

} // namespace act::com
