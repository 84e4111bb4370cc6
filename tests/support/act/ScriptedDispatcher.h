#pragma once

#include "act/dispatch/Dispatcher.h"

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace testing_support {

// Stands in for ACT!'s automation objects: every call is recorded as object.Member(arguments), and each member
// answers from a script kept by "object.Member" (answers used in turn, the last one for good), or with no value.
// Objects made by programmatic name are named by it; script a creation's failure under "new NAME".
class ScriptedDispatcher : public act::dispatch::Dispatcher {
public:
    using Value = act::dispatch::Value;
    using Answer = act::Result<Value>;

    struct Log {
        std::vector<std::string> calls;
        std::map<std::string, std::deque<Answer>> script;
        std::map<std::string, std::function<void()>> subscribed; // by "object.Event"
        int alive = 0;                                           // objects not yet released
    };
    std::shared_ptr<Log> log = std::make_shared<Log>();
    // Scripted objects hold the log that holds the script's objects: the cycle ends here.
    ~ScriptedDispatcher() override {
        log->script.clear();
        log->subscribed.clear();
    }

    void answer(const std::string& member, std::vector<Answer> answers) {
        log->script[member] = std::deque<Answer>(answers.begin(), answers.end());
    }
    // An answer that is another scripted object.
    Value object(const std::string& name) { return std::shared_ptr<act::dispatch::Object>(new Scripted(log, name)); }
    // ACT!'s objects as they answer a program that connects.
    void scriptConnection() {
        answer("ACTOLE.APPOBJECT.Views", {object("views")});
        answer("views.Create", {object("contact view")});
        for (const char* table : {"ListTable", "Contact", "Users", "Sales", "Group"})
            answer(std::string("ACTOLE.DATABASE.") + table, {object(table)});
        answer("Contact.Fields", {object("fields")});
    }
    // Fires an event as ACT! would; false when nobody listens.
    bool fire(const std::string& objectEvent) {
        const auto listener = log->subscribed.find(objectEvent);
        if (listener == log->subscribed.end())
            return false;
        listener->second();
        return true;
    }

    act::Result<std::shared_ptr<act::dispatch::Object>> Create(const std::string& name) override {
        log->calls.push_back("new " + name);
        if (const auto failure = log->script.find("new " + name); failure != log->script.end())
            return failure->second.front().error();
        return std::get<std::shared_ptr<act::dispatch::Object>>(object(name));
    }

private:
    class Scripted : public act::dispatch::Object {
    public:
        Scripted(std::shared_ptr<Log> log, std::string name) : m_log(std::move(log)), m_name(std::move(name)) {
            ++m_log->alive;
        }
        ~Scripted() override { --m_log->alive; }

        Answer Call(const std::string& member, const std::vector<Value>& arguments) override {
            return answer(m_name + "." + member, arguments);
        }
        Answer Call(long dispatchId, const std::vector<Value>& arguments) override {
            return answer(m_name + "." + std::to_string(dispatchId), arguments);
        }
        act::Result<std::unique_ptr<act::dispatch::Subscription>> Subscribe(const std::string& event,
                                                                            std::function<void()> handler) override {
            const std::string key = m_name + "." + event;
            if (Answer refused = answer(key, {}); !refused)
                return refused.error();
            m_log->subscribed[key] = std::move(handler);
            return std::unique_ptr<act::dispatch::Subscription>(new Unsubscribe(m_log, key));
        }

    private:
        struct Unsubscribe : act::dispatch::Subscription {
            Unsubscribe(std::shared_ptr<Log> log, std::string key) : log(std::move(log)), key(std::move(key)) {}
            ~Unsubscribe() override { log->subscribed.erase(key); }
            std::shared_ptr<Log> log;
            std::string key;
        };

        Answer answer(const std::string& member, const std::vector<Value>& arguments) {
            std::string call = member + "(";
            for (std::size_t i = 0; i < arguments.size(); ++i)
                call += (i ? "," : "") + text(arguments[i]);
            m_log->calls.push_back(call + ")");
            auto scripted = m_log->script.find(member);
            if (scripted == m_log->script.end())
                return Value(act::dispatch::Missing());
            Answer next = scripted->second.front();
            if (scripted->second.size() > 1)
                scripted->second.pop_front();
            return next;
        }
        static std::string text(const Value& value) {
            if (const auto* s = std::get_if<std::string>(&value))
                return "\"" + *s + "\"";
            if (const auto* n = std::get_if<std::int32_t>(&value))
                return std::to_string(*n);
            return "?";
        }

        std::shared_ptr<Log> m_log;
        std::string m_name;
    };
};

} // namespace testing_support
