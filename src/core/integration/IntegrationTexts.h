#pragma once

#include <QString>

#include <array>

namespace core {

// The ACT! integration dialog's texts in one language.
struct IntegrationTexts {
    QString clickToLaunch; // the registered command's tooltip, before the program's name
    QString restartNeeded; // the restart question's first line
    QString restartNow;    // and its second
    QString cannotAdd;     // any refusal by ACT!
    QString caption;
    std::array<QString, 6> views; // labels of views 1 to 6
    QString toolbarFrame;
    QString menuFrame;
    QString close;
    QString cancel;
    QString restartLater;
};

// Only English texts exist, so every language gets them.
const IntegrationTexts& integrationTexts(int language);

} // namespace core
