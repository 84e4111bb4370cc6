#include "AuxIntegration.h"

#include <QDir>

namespace core {

namespace {

constexpr int ViewCount = AuxIntegration::BoxCount / 2;

std::string nativePath(const QString& path) {
    return QDir::toNativeSeparators(path).toStdString();
}

} // namespace

AuxPlace auxPlace(int box) {
    return {box >= ViewCount, box % ViewCount + 1};
}

AuxRegistration auxRegistration(const QString& appName, const QString& toolTipPrefix, const QString& executable,
                                const QString& programFolder) {
    const QDir folder(programFolder);
    const std::string name = appName.toStdString();
    return {name,
            nativePath(executable),
            nativePath(programFolder),
            name,
            (toolTipPrefix + appName).toStdString(),
            nativePath(folder.filePath(QStringLiteral("tallivo.ico"))),
            nativePath(folder.filePath(QStringLiteral("tallivo32.ico"))),
            1};
}

AuxIntegration::AuxIntegration(act::AuxCommands& commands, AuxRegistration registration)
    : m_commands(commands), m_registration(std::move(registration)) {}

act::Result<int> AuxIntegration::present(const AuxPlace& place) {
    return place.toolsMenu ? m_commands.AuxCommandExistsInToolsMenu(place.view, m_registration.name)
                           : m_commands.AuxCommandExistsInToolbar(place.view, m_registration.name);
}

act::Result<AuxIntegration::Boxes> AuxIntegration::load() {
    Boxes boxes{};
    for (int box = 0; box < BoxCount; ++box) {
        const act::Result<int> answer = present(auxPlace(box));
        if (!answer)
            return answer.error();
        boxes[box] = answer.value() != 0;
    }
    return boxes;
}

AuxClick AuxIntegration::click(int box, bool ticked) {
    AuxClick outcome;
    const AuxPlace place = auxPlace(box);
    const std::string& name = m_registration.name;
    if (registered(outcome)) {
        const act::Result<int> answer = place.toolsMenu
                                            ? (ticked ? m_commands.AddAuxCommandToToolsMenu(place.view, name)
                                                      : m_commands.RemoveAuxCommandFromToolsMenu(place.view, name))
                                            : (ticked ? m_commands.AddAuxCommandToToolbar(place.view, name)
                                                      : m_commands.RemoveAuxCommandFromToolbar(place.view, name));
        if (succeeded(answer, outcome))
            m_anyMade = true;
    }
    // Whatever was refused, and whatever changed outside since loading, the box shows what ACT! has.
    const act::Result<int> now = present(place);
    if (now)
        outcome.present = now.value() != 0;
    else if (!outcome.error)
        outcome.error = now.error();
    return outcome;
}

bool AuxIntegration::registered(AuxClick& outcome) {
    const act::Result<int> known = m_commands.AuxCommandExists(m_registration.name);
    if (!known) {
        m_anyFailed = true;
        outcome.error = known.error();
        return false;
    }
    if (known.value() != 0)
        return true;
    const AuxRegistration& r = m_registration;
    const act::Result<int> answer =
        m_commands.AddAuxCommand(r.name, r.program, r.folder, r.menuText, r.toolTip, r.icon, r.largeIcon, r.flags);
    outcome.registrationRefused = answer && answer.value() != 0;
    return succeeded(answer, outcome);
}

bool AuxIntegration::succeeded(const act::Result<int>& answer, AuxClick& outcome) {
    if (answer && answer.value() == 0)
        return true;
    m_anyFailed = true;
    if (!answer)
        outcome.error = answer.error();
    return false;
}

} // namespace core
