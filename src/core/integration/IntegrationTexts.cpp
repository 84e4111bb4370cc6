#include "IntegrationTexts.h"

namespace core {

const IntegrationTexts& integrationTexts(int) {
    static const IntegrationTexts english{
        QStringLiteral("Click to launch "),
        QStringLiteral("You need to re-start ACT! for the changes to take effect!"),
        QStringLiteral("Do you want to re-start it now?"),
        QStringLiteral("Can't add icon or menu item automatically. You will need to proceed manually."),
        QStringLiteral("Integrate with ACT!"),
        {QStringLiteral("Contacts"), QStringLiteral("Contact List"), QStringLiteral("Groups"),
         QStringLiteral("Task List"), QStringLiteral("Calendars"), QStringLiteral("E-mail")},
        QStringLiteral("Toolbar Button added to the following Views :"),
        QStringLiteral("Menu Item added to the following Views :"),
        QStringLiteral("&Close"),
        QStringLiteral("&Cancel"),
        QStringLiteral("You will need to re-start ACT! to see the changes."),
    };
    return english;
}

} // namespace core
