#pragma once

#include "StateFile.h"

#include "act/AuxCommands.h"

namespace standin {

// Auxiliary commands kept in the state file's [aux] section: registered, command (arguments joined by "|"),
// toolbar.<view>, menu.<view>; refuse = 1 makes every call answer a failure code.
class StandinAuxCommands : public act::AuxCommands {
public:
    explicit StandinAuxCommands(StateFile state = StateFile());

    act::Result<int> AuxCommandExistsInToolbar(int view, const std::string& name) override;
    act::Result<int> AuxCommandExistsInToolsMenu(int view, const std::string& name) override;
    act::Result<int> AuxCommandExists(const std::string& name) override;
    act::Result<int> AddAuxCommand(const std::string& name, const std::string& program, const std::string& folder,
                                   const std::string& menuText, const std::string& toolTip, const std::string& icon,
                                   const std::string& largeIcon, int flags) override;
    act::Result<int> AddAuxCommandToToolbar(int view, const std::string& name) override;
    act::Result<int> RemoveAuxCommandFromToolbar(int view, const std::string& name) override;
    act::Result<int> AddAuxCommandToToolsMenu(int view, const std::string& name) override;
    act::Result<int> RemoveAuxCommandFromToolsMenu(int view, const std::string& name) override;

private:
    act::Result<int> exists(const std::string& place, int view, const std::string& name);
    act::Result<int> place(const std::string& place, int view, const std::string& name, bool present);

    StateFile m_state;
};

} // namespace standin
