#pragma once

#include "act/Result.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace act::dispatch {

class Object;

// An automation value that answers no value (VT_EMPTY, VT_NULL); as an argument, an omitted one.
struct Missing {
    bool operator==(const Missing&) const = default;
};

// What crosses the automation boundary: text is UTF-8 on our side, whatever the other side holds.
using Value = std::variant<Missing, bool, std::int32_t, double, std::string, std::shared_ptr<Object>>;

// Ends an event subscription when destroyed.
class Subscription {
public:
    virtual ~Subscription() = default;
};

// An automation object reached by member name at run time (late binding).
class Object {
public:
    virtual ~Object() = default;

    // Invokes a member as a method or a property get, whichever it is, as late binding does; arguments in
    // declaration order.
    virtual Result<Value> Call(const std::string& member, const std::vector<Value>& arguments) = 0;
    // The same by dispatch id, for members that are known only by number.
    virtual Result<Value> Call(long dispatchId, const std::vector<Value>& arguments) = 0;
    // Runs the handler each time the object fires the named event, until the subscription is destroyed. Events
    // arrive on the thread that subscribed.
    virtual Result<std::unique_ptr<Subscription>> Subscribe(const std::string& event,
                                                            std::function<void()> handler) = 0;
};

// Makes automation objects by programmatic name ("ACTOLE.APPOBJECT").
class Dispatcher {
public:
    virtual ~Dispatcher() = default;

    virtual Result<std::shared_ptr<Object>> Create(const std::string& programmaticName) = 0;
};

} // namespace act::dispatch
