#pragma once

#include "Dispatcher.h"

#include <memory>
#include <string>
#include <vector>

namespace act::dispatch {

// One of ACT!'s objects, or why there is none (it could not be made, and the reason names it); then every call
// answers that reason. Each failing call names its member before ACT!'s description, and each answer is converted
// as late binding would, refusing what no conversion makes sound (a number from "abc", no value where a number is
// relied on).
class Target {
public:
    explicit Target(std::shared_ptr<Object> object) : m_object(std::move(object)) {}
    explicit Target(Error failure) : m_failure(std::move(failure)) {}

    // A member by name, or by dispatch id for members known only by number.
    using Member = std::variant<std::string, long>;

    Result<Value> call(const Member& member, const std::vector<Value>& arguments = {}) const;
    Status run(const Member& member, const std::vector<Value>& arguments = {}) const;
    Result<std::string> text(const Member& member, const std::vector<Value>& arguments = {}) const;
    Result<int> number(const Member& member, const std::vector<Value>& arguments = {}) const;
    Result<bool> flag(const Member& member, const std::vector<Value>& arguments = {}) const;
    // An object member's answer as a target of its own.
    Result<Target> object(const Member& member, const std::vector<Value>& arguments = {}) const;

    Result<std::unique_ptr<Subscription>> subscribe(const std::string& event, std::function<void()> handler) const;

private:
    std::shared_ptr<Object> m_object;
    Error m_failure;
};

// An object member's answer behind the class that speaks for it.
template <typename Interface, typename Wrapper> Result<std::shared_ptr<Interface>> wrapped(Result<Target> object) {
    if (!object)
        return object.error();
    return std::shared_ptr<Interface>(std::make_shared<Wrapper>(std::move(object).value()));
}

} // namespace act::dispatch
