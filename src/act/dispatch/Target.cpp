#include "Target.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace act::dispatch {

namespace {

// Visual Basic's number for a value of the wrong kind.
constexpr long TypeMismatch = 13;

Error named(const std::string& member, const Error& error) {
    return {error.number, member + ": " + error.description};
}

// As late binding writes a number: whole numbers below 10^15 in full, others in the shortest exact form.
std::string numberText(double value) {
    if (std::trunc(value) == value && std::abs(value) < 1e15)
        return std::to_string(static_cast<long long>(value));
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
}

std::string describe(const Value& value) {
    struct Describe {
        std::string operator()(Missing) const { return "no value"; }
        std::string operator()(bool b) const { return b ? "True" : "False"; }
        std::string operator()(std::int32_t n) const { return std::to_string(n); }
        std::string operator()(double d) const { return numberText(d); }
        std::string operator()(const std::string& s) const { return "\"" + s + "\""; }
        std::string operator()(const std::shared_ptr<Object>& o) const { return o ? "an object" : "no object"; }
    };
    return std::visit(Describe(), value);
}

Error mismatch(const std::string& member, const Value& value, const char* expected) {
    return {TypeMismatch, member + ": ACT! answered " + describe(value) + " where " + expected + " was expected"};
}

std::optional<long long> integerIn(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const char* begin = text.data() + first + (text[first] == '+' ? 1 : 0);
    const char* end = text.data() + last + 1;
    long long n = 0;
    const auto parsed = std::from_chars(begin, end, n);
    return parsed.ec == std::errc() && parsed.ptr == end ? std::optional(n) : std::nullopt;
}

std::optional<long long> integerOf(const Value& value) {
    if (const auto* n = std::get_if<std::int32_t>(&value))
        return *n;
    if (const auto* b = std::get_if<bool>(&value))
        return *b ? -1 : 0; // late binding's True
    if (const auto* d = std::get_if<double>(&value);
        d && std::isfinite(*d) && std::trunc(*d) == *d && std::abs(*d) <= std::numeric_limits<std::int32_t>::max())
        return static_cast<long long>(*d);
    if (const auto* s = std::get_if<std::string>(&value))
        return integerIn(*s);
    return std::nullopt;
}

bool equalsIgnoringCase(const std::string& text, std::string_view word) {
    return text.size() == word.size() && std::equal(text.begin(), text.end(), word.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

Result<std::string> asText(const std::string& member, Result<Value> answer) {
    if (!answer)
        return answer.error();
    const Value& value = answer.value();
    if (const auto* s = std::get_if<std::string>(&value))
        return *s;
    if (std::holds_alternative<Missing>(value))
        return std::string();
    if (std::holds_alternative<std::shared_ptr<Object>>(value))
        return mismatch(member, value, "text");
    return describe(value);
}

Result<int> asNumber(const std::string& member, Result<Value> answer) {
    if (!answer)
        return answer.error();
    const std::optional<long long> n = integerOf(answer.value());
    if (!n || *n < std::numeric_limits<std::int32_t>::min() || *n > std::numeric_limits<std::int32_t>::max())
        return mismatch(member, answer.value(), "a whole number");
    return static_cast<int>(*n);
}

Result<bool> asFlag(const std::string& member, Result<Value> answer) {
    if (!answer)
        return answer.error();
    const Value& value = answer.value();
    if (const auto* s = std::get_if<std::string>(&value);
        s && (equalsIgnoringCase(*s, "true") || equalsIgnoringCase(*s, "false")))
        return equalsIgnoringCase(*s, "true");
    if (const std::optional<long long> n = integerOf(value))
        return *n != 0;
    return mismatch(member, value, "True or False");
}

std::string nameOf(const Target::Member& member) {
    if (const auto* id = std::get_if<long>(&member))
        return "dispatch member " + std::to_string(*id);
    return std::get<std::string>(member);
}

} // namespace

Result<Value> Target::call(const Member& member, const std::vector<Value>& arguments) const {
    if (!m_object)
        return m_failure;
    Result<Value> answer = std::visit([&](const auto& key) { return m_object->Call(key, arguments); }, member);
    return answer ? std::move(answer) : named(nameOf(member), answer.error());
}

Status Target::run(const Member& member, const std::vector<Value>& arguments) const {
    Result<Value> answer = call(member, arguments);
    return answer ? Status() : answer.error();
}

Result<std::string> Target::text(const Member& member, const std::vector<Value>& arguments) const {
    return asText(nameOf(member), call(member, arguments));
}

Result<int> Target::number(const Member& member, const std::vector<Value>& arguments) const {
    return asNumber(nameOf(member), call(member, arguments));
}

Result<bool> Target::flag(const Member& member, const std::vector<Value>& arguments) const {
    return asFlag(nameOf(member), call(member, arguments));
}

Result<Target> Target::object(const Member& member, const std::vector<Value>& arguments) const {
    Result<Value> answer = call(member, arguments);
    if (!answer)
        return answer.error();
    if (const auto* object = std::get_if<std::shared_ptr<Object>>(&answer.value()); object && *object)
        return Target(*object);
    return mismatch(nameOf(member), answer.value(), "an object");
}

Result<std::unique_ptr<Subscription>> Target::subscribe(const std::string& event, std::function<void()> handler) const {
    if (!m_object)
        return m_failure;
    Result<std::unique_ptr<Subscription>> subscribed = m_object->Subscribe(event, std::move(handler));
    return subscribed ? std::move(subscribed) : named(event, subscribed.error());
}

} // namespace act::dispatch
