#pragma once

#include "Result.h"

#include <string>

namespace act {

// ACT!'s auxiliary commands: a program's toolbar button and Tools-menu entry per view (1 to 6).
// The add and remove members answer 0 on success and another number on failure.
class AuxCommands {
public:
    virtual ~AuxCommands() = default;

    virtual Result<int> AuxCommandExistsInToolbar(int view, const std::string& name) = 0;
    virtual Result<int> AuxCommandExistsInToolsMenu(int view, const std::string& name) = 0;
    virtual Result<int> AuxCommandExists(const std::string& name) = 0;
    virtual Result<int> AddAuxCommand(const std::string& name, const std::string& program, const std::string& folder,
                                      const std::string& menuText, const std::string& toolTip, const std::string& icon,
                                      const std::string& largeIcon, int flags) = 0;
    virtual Result<int> AddAuxCommandToToolbar(int view, const std::string& name) = 0;
    virtual Result<int> RemoveAuxCommandFromToolbar(int view, const std::string& name) = 0;
    virtual Result<int> AddAuxCommandToToolsMenu(int view, const std::string& name) = 0;
    virtual Result<int> RemoveAuxCommandFromToolsMenu(int view, const std::string& name) = 0;
};

} // namespace act
