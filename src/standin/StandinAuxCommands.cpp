#include "StandinAuxCommands.h"

#include "StandinError.h"

namespace standin {

namespace {

constexpr int Success = 0;
constexpr int Refused = 1;
constexpr int NotRegistered = 2;
constexpr int FirstView = 1;
constexpr int LastView = 6;

std::string viewKey(const std::string& place, int view) {
    return place + "." + std::to_string(view);
}

// The registered command's name: the first of AddAuxCommand's arguments.
std::string registeredName(const StateData& data) {
    if (data.value(StateData::Aux, "registered") != "1")
        return {};
    const std::string command = data.value(StateData::Aux, "command");
    return command.substr(0, command.find('|'));
}

bool refusing(const StateData& data) {
    return data.value(StateData::Aux, "refuse") == "1";
}

act::Error badView(int view) {
    return makeError(ErrorCode::OutOfRange, "view " + std::to_string(view) + " is not a view from 1 to 6");
}

} // namespace

StandinAuxCommands::StandinAuxCommands(StateFile state) : m_state(std::move(state)) {}

act::Result<int> StandinAuxCommands::exists(const std::string& place, int view, const std::string& name) {
    if (view < FirstView || view > LastView)
        return badView(view);
    auto data = m_state.read();
    if (!data)
        return data.error();
    const StateData& state = data.value();
    if (refusing(state) || name.empty() || registeredName(state) != name)
        return 0;
    return state.value(StateData::Aux, viewKey(place, view)) == "1" ? 1 : 0;
}

act::Result<int> StandinAuxCommands::place(const std::string& place, int view, const std::string& name, bool present) {
    if (view < FirstView || view > LastView)
        return badView(view);
    int answer = Success;
    auto written = m_state.update([&](StateData& data) {
        if (refusing(data))
            answer = Refused;
        else if (name.empty() || registeredName(data) != name)
            answer = NotRegistered;
        else
            data.set(StateData::Aux, viewKey(place, view), present ? "1" : "0");
    });
    if (!written)
        return written.error();
    return answer;
}

act::Result<int> StandinAuxCommands::AuxCommandExistsInToolbar(int view, const std::string& name) {
    return exists("toolbar", view, name);
}

act::Result<int> StandinAuxCommands::AuxCommandExistsInToolsMenu(int view, const std::string& name) {
    return exists("menu", view, name);
}

act::Result<int> StandinAuxCommands::AuxCommandExists(const std::string& name) {
    auto data = m_state.read();
    if (!data)
        return data.error();
    return !refusing(data.value()) && !name.empty() && registeredName(data.value()) == name ? 1 : 0;
}

act::Result<int> StandinAuxCommands::AddAuxCommand(const std::string& name, const std::string& program,
                                                   const std::string& folder, const std::string& menuText,
                                                   const std::string& toolTip, const std::string& icon,
                                                   const std::string& largeIcon, int flags) {
    int answer = Success;
    auto written = m_state.update([&](StateData& data) {
        if (refusing(data) || name.empty()) {
            answer = Refused;
            return;
        }
        std::string command;
        for (const std::string& part : {name, program, folder, menuText, toolTip, icon, largeIcon})
            command += part + "|";
        data.set(StateData::Aux, "registered", "1");
        data.set(StateData::Aux, "command", command + std::to_string(flags));
    });
    if (!written)
        return written.error();
    return answer;
}

act::Result<int> StandinAuxCommands::AddAuxCommandToToolbar(int view, const std::string& name) {
    return place("toolbar", view, name, true);
}

act::Result<int> StandinAuxCommands::RemoveAuxCommandFromToolbar(int view, const std::string& name) {
    return place("toolbar", view, name, false);
}

act::Result<int> StandinAuxCommands::AddAuxCommandToToolsMenu(int view, const std::string& name) {
    return place("menu", view, name, true);
}

act::Result<int> StandinAuxCommands::RemoveAuxCommandFromToolsMenu(int view, const std::string& name) {
    return place("menu", view, name, false);
}

} // namespace standin
