#pragma once

#include "Target.h"

#include "act/Application.h"

namespace act::dispatch {

// ACT!'s ACTOLE.APPOBJECT.
class DispatchApplication : public Application {
public:
    explicit DispatchApplication(Target application) : m_application(std::move(application)) {}

    Status OpenFile(const std::string& path) override { return m_application.run("OpenFile", {path}); }
    Result<std::shared_ptr<act::Views>> Views() override;
    Status SaveCurrentLookup(const std::string& path) override {
        return m_application.run("SaveCurrentLookup", {path});
    }
    Status Command(int command) override { return m_application.run("Command", {command}); }

private:
    Target m_application;
};

} // namespace act::dispatch
