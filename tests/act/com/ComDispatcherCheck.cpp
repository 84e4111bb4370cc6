// The COM dispatcher against an automation object of the test's own, in process: run on Windows or under wine.
#include "TestAutomationObject.h"

#include "act/com/ComDispatcher.h"
#include "act/com/ComObject.h"
#include "act/dispatch/DispatchBackend.h"

#include <cstdio>
#include <functional>
#include <source_location>
#include <string>

namespace {

using act::dispatch::Missing;
using act::dispatch::Value;
using com_test::TestAutomationObject;

int passed = 0;
int failed = 0;

void expect(bool ok, const std::string& what, std::source_location where = std::source_location::current()) {
    ok ? ++passed : ++failed;
    if (!ok)
        std::printf("FAILED at line %u: %s\n", static_cast<unsigned>(where.line()), what.c_str());
}

std::wstring wide(const VARIANT& v) {
    return v.vt == VT_BSTR ? std::wstring(v.bstrVal, SysStringLen(v.bstrVal)) : L"?";
}

// Each check gets a fresh test object, held once by the check and once by the dispatcher's wrapper.
void withObject(const std::function<void(TestAutomationObject&, act::dispatch::Object&)>& check) {
    auto* raw = new TestAutomationObject();
    {
        const auto apartment = act::com::ComApartment::enter();
        act::com::ComObject object(act::com::ComRef<IDispatch>::share(raw), apartment);
        check(*raw, object);
    }
    expect(raw->references == 1, "the dispatcher gave back every reference it took");
    expect(raw->sink == nullptr, "no event sink is left advised");
    raw->Release();
    expect(com_test::liveObjects == 0, "every object made along the way is gone");
    expect(com_test::lentAttributes == 0, "every type attribute lent was given back");
}

void argumentsCrossInDeclarationOrder(TestAutomationObject& raw, act::dispatch::Object& object) {
    const std::string name = "Zo\xC3\xAB \xE2\x80\x93 \xF0\x9F\x98\x80";
    const auto echoed = object.Call("Echo", {name, std::int32_t(-5), 2.5, true, false, Missing()});
    expect(echoed.ok() && echoed.value() == Value(name), "text comes back as it went");
    expect(raw.lastMember == TestAutomationObject::Echo, "the member is found by its name");
    expect(raw.lastFlags == (DISPATCH_METHOD | DISPATCH_PROPERTYGET), "invoked as a method or a property get");
    expect(raw.arguments.size() == 6, "six arguments");
    if (raw.arguments.size() != 6)
        return;
    expect(wide(raw.arguments[0]) == L"Zo\u00EB \u2013 \U0001F600", "text passed as UTF-16");
    expect(raw.arguments[1].vt == VT_I4 && raw.arguments[1].lVal == -5, "whole number as a long");
    expect(raw.arguments[2].vt == VT_R8 && raw.arguments[2].dblVal == 2.5, "real number as a double");
    expect(raw.arguments[3].vt == VT_BOOL && raw.arguments[3].boolVal == VARIANT_TRUE, "True as VARIANT_TRUE");
    expect(raw.arguments[4].vt == VT_BOOL && raw.arguments[4].boolVal == VARIANT_FALSE, "False as VARIANT_FALSE");
    expect(raw.arguments[5].vt == VT_ERROR && raw.arguments[5].scode == DISP_E_PARAMNOTFOUND, "missing as omitted");
    (void)object.Call("Echo", {});
    expect(raw.nameLookups == 1, "a name is looked up once");
    (void)object.Call(3, {std::int32_t(0)});
    expect(raw.lastMember == 3 && raw.nameLookups == 1, "a dispatch id is called without a lookup");
}

void answersOfEveryKindAreRead(TestAutomationObject& raw, act::dispatch::Object& object) {
    LONG referenced = 9;
    const std::wstring broken = L"a\xD800";
    const struct {
        VARTYPE type;
        std::function<void(VARIANT&)> fill;
        Value expected;
    } cases[] = {
        {VT_I2, [](VARIANT& v) { v.iVal = 7; }, std::int32_t(7)},
        {VT_UI1, [](VARIANT& v) { v.bVal = 200; }, std::int32_t(200)},
        {VT_I8, [](VARIANT& v) { v.llVal = 5000000000LL; }, 5e9},
        {VT_R4, [](VARIANT& v) { v.fltVal = 1.5f; }, 1.5},
        {VT_BOOL, [](VARIANT& v) { v.boolVal = VARIANT_TRUE; }, true},
        {VT_EMPTY, [](VARIANT&) {}, Missing()},
        {VT_NULL, [](VARIANT&) {}, Missing()},
        {VT_BSTR, [&](VARIANT& v) { v.bstrVal = SysAllocStringLen(broken.data(), 2); }, std::string("a\uFFFD")},
        {VT_BYREF | VT_I4, [&](VARIANT& v) { v.plVal = &referenced; }, std::int32_t(9)},
        {VT_DISPATCH, [](VARIANT& v) { v.pdispVal = nullptr; }, std::shared_ptr<act::dispatch::Object>()},
    };
    for (const auto& c : cases) {
        VariantClear(&raw.answer);
        raw.answer.vt = c.type;
        c.fill(raw.answer);
        const auto answered = object.Call("Answer", {});
        expect(answered.ok() && answered.value() == c.expected, "answer of kind " + std::to_string(c.type));
    }
    VariantClear(&raw.answer);
    raw.answer.vt = VT_DATE;
    raw.answer.date = 45000.5;
    const auto date = object.Call("Answer", {});
    const auto* dateText = date.ok() ? std::get_if<std::string>(&date.value()) : nullptr;
    expect(dateText && !dateText->empty(), "a date arrives as the system's text");

    const auto child = object.Call("Child", {});
    const auto* childObject =
        child.ok() ? std::get_if<std::shared_ptr<act::dispatch::Object>>(&child.value()) : nullptr;
    expect(childObject && *childObject && (*childObject)->Call("Echo", {true}).ok(), "an object answer can be called");
}

void failuresAreACTsErrors(TestAutomationObject&, act::dispatch::Object& object) {
    const auto failed = object.Call("Fail", {});
    expect(!failed.ok() && failed.error().number == static_cast<long>(0x800A0BB8) &&
               failed.error().description == "Record not found",
           "ACT!'s exception: its number and description");
    const auto later = object.Call("FailLater", {});
    expect(!later.ok() && later.error().number == 440 && later.error().description == "Filled in later",
           "an exception filled in later");
    const auto mismatch = object.Call("Mismatch", {std::int32_t(1), std::string("x")});
    expect(!mismatch.ok() && mismatch.error().number == DISP_E_TYPEMISMATCH &&
               mismatch.error().description.find("(argument 2)") != std::string::npos,
           "a wrong argument is named by its position");
    const auto unknown = object.Call("Nope", {});
    expect(!unknown.ok() && unknown.error().number == DISP_E_UNKNOWNNAME && !unknown.error().description.empty(),
           "an unknown member");
    const auto passed = object.Call("Echo", {std::shared_ptr<act::dispatch::Object>()});
    expect(!passed.ok(), "an object argument is refused");
}

void theEventReachesItsHandlerUntilTheSubscriptionEnds(TestAutomationObject& raw, act::dispatch::Object& object) {
    int closes = 0;
    auto subscribed = object.Subscribe("OnActUserWantsToClose", [&] { ++closes; });
    expect(subscribed.ok() && raw.sink != nullptr, "subscribed through the connection point");
    raw.fire(com_test::CloseEvent);
    raw.fire(com_test::CloseEvent + 1);
    expect(closes == 1, "the event runs the handler, another event does not");
    if (subscribed.ok())
        std::move(subscribed).value().reset();
    raw.fire(com_test::CloseEvent);
    expect(closes == 1 && raw.sink == nullptr, "an ended subscription hears nothing");

    std::unique_ptr<act::dispatch::Subscription> ending;
    auto selfEnding = object.Subscribe("OnActUserWantsToClose", [&] { ending.reset(); });
    if (selfEnding.ok())
        ending = std::move(selfEnding).value();
    raw.fire(com_test::CloseEvent);
    expect(!ending && raw.sink == nullptr, "a handler may end its own subscription");

    expect(!object.Subscribe("OnSomethingElse", [] {}).ok(), "an event the object does not have");
    raw.describesEvents = false;
    expect(!object.Subscribe("OnActUserWantsToClose", [] {}).ok(), "an object that does not describe its events");
}

void anObjectThatIsNotRegisteredIsNamed() {
    auto dispatcher = std::make_shared<act::com::ComDispatcher>();
    const auto made = dispatcher->Create("Tallivo.NoSuchObject");
    expect(!made.ok() && made.error().description.rfind("not registered on this computer", 0) == 0,
           "an unregistered name: " + (made.ok() ? std::string("made") : made.error().description));
    act::dispatch::DispatchBackend backend(dispatcher);
    const auto state = backend.CreateEventControl()->ConnectionState(0);
    expect(!state.ok() && state.error().description.rfind("ACTEVENTLib.ActEvent: ", 0) == 0,
           "without ACT! the event control says which object is missing");
}

} // namespace

int main() {
    withObject(argumentsCrossInDeclarationOrder);
    withObject(answersOfEveryKindAreRead);
    withObject(failuresAreACTsErrors);
    withObject(theEventReachesItsHandlerUntilTheSubscriptionEnds);
    anObjectThatIsNotRegisteredIsNamed();
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
