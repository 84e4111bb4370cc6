#pragma once

#include "Target.h"

#include "act/AuxCommands.h"

namespace act::dispatch {

// ACT!'s ACTOLE.AUXCMDS.
class DispatchAuxCommands : public AuxCommands {
public:
    explicit DispatchAuxCommands(Target commands) : m_commands(std::move(commands)) {}

    Result<int> AuxCommandExistsInToolbar(int view, const std::string& name) override {
        return m_commands.number("AuxCommandExistsInToolbar", {view, name});
    }
    Result<int> AuxCommandExistsInToolsMenu(int view, const std::string& name) override {
        return m_commands.number("AuxCommandExistsInToolsMenu", {view, name});
    }
    Result<int> AuxCommandExists(const std::string& name) override {
        return m_commands.number("AuxCommandExists", {name});
    }
    Result<int> AddAuxCommand(const std::string& name, const std::string& program, const std::string& folder,
                              const std::string& menuText, const std::string& toolTip, const std::string& icon,
                              const std::string& largeIcon, int flags) override {
        return m_commands.number("AddAuxCommand", {name, program, folder, menuText, toolTip, icon, largeIcon, flags});
    }
    Result<int> AddAuxCommandToToolbar(int view, const std::string& name) override {
        return m_commands.number("AddAuxCommandToToolbar", {view, name});
    }
    Result<int> RemoveAuxCommandFromToolbar(int view, const std::string& name) override {
        return m_commands.number("RemoveAuxCommandFromToolbar", {view, name});
    }
    Result<int> AddAuxCommandToToolsMenu(int view, const std::string& name) override {
        return m_commands.number("AddAuxCommandToToolsMenu", {view, name});
    }
    Result<int> RemoveAuxCommandFromToolsMenu(int view, const std::string& name) override {
        return m_commands.number("RemoveAuxCommandFromToolsMenu", {view, name});
    }

private:
    Target m_commands;
};

} // namespace act::dispatch
