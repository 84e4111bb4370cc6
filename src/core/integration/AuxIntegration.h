#pragma once

#include "act/AuxCommands.h"

#include <QString>

#include <array>
#include <optional>
#include <string>

namespace core {

// Where one of the integration dialog's boxes puts the program in ACT!: boxes 0 to 5 are the toolbar buttons of
// views 1 to 6, boxes 6 to 11 the Tools-menu entries of the same views.
struct AuxPlace {
    bool toolsMenu = false;
    int view = 1;
};
AuxPlace auxPlace(int box);

// The arguments of ACT!'s AddAuxCommand, in its order.
struct AuxRegistration {
    std::string name;
    std::string program;
    std::string folder;
    std::string menuText;
    std::string toolTip;
    std::string icon;
    std::string largeIcon;
    int flags = 1;
};

// ACT! launches the program it was given, so that is the running executable itself, wherever the data files are.
AuxRegistration auxRegistration(const QString& appName, const QString& toolTipPrefix, const QString& executable,
                                const QString& programFolder);

// What one click on a box did.
struct AuxClick {
    bool registrationRefused = false;
    std::optional<act::Error> error; // ACT! failed outright
    std::optional<bool> present;     // the box's place as ACT! reports it afterwards; nullopt when it could not say
};

// Adds and removes the program's toolbar buttons and Tools-menu entries in ACT!, and keeps what Close must say.
class AuxIntegration {
public:
    static constexpr int BoxCount = 12;
    using Boxes = std::array<bool, BoxCount>;

    AuxIntegration(act::AuxCommands& commands, AuxRegistration registration);

    // Every box as ACT! reports it; the first error ends the reading. Nothing is kept for Close.
    act::Result<Boxes> load();
    // The user ticked (or cleared) a box: registers the command when ACT! does not know it, then adds (or removes).
    AuxClick click(int box, bool ticked);

    // A call since opening was refused or failed: Close says so.
    bool anyFailed() const { return m_anyFailed; }
    // An add or remove since opening was made: Close offers to restart ACT!.
    bool anyMade() const { return m_anyMade; }

private:
    act::Result<int> present(const AuxPlace& place);
    // True when ACT! knows the command or has just registered it; a refusal or an error is kept in the outcome.
    bool registered(AuxClick& outcome);
    // True for the answer 0; anything else is kept as a failure, an error also in the outcome.
    bool succeeded(const act::Result<int>& answer, AuxClick& outcome);

    act::AuxCommands& m_commands;
    AuxRegistration m_registration;
    bool m_anyFailed = false;
    bool m_anyMade = false;
};

} // namespace core
