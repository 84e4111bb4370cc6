#pragma once

#include "act/EventControl.h"
#include "core/ProductName.h"

#include <QString>

#include <optional>

namespace core {

namespace texts {
// Why the program refuses to start, in the words the user knows them by.
inline const QString AlreadyRunning = QStringLiteral("An instance of this program is already running!");
inline const QString ActUnreachable =
    QStringLiteral("Unable to communicate with ACT!\rPlease run actreg.exe located in the ACT folder and try again");
inline const QString NoDatabaseOpen =
    QStringLiteral("Please open an ACT database prior to running %1!").arg(ProductName);
} // namespace texts

struct ActStartupCheck {
    enum class Status { Ready, Unreachable, NoDatabaseOpen, Failed };
    Status status = Status::Ready;
    std::optional<act::Error> error; // Failed: what ACT!'s event control answered

    // The refusal text of Unreachable and NoDatabaseOpen.
    QString refusal() const { return status == Status::Unreachable ? texts::ActUnreachable : texts::NoDatabaseOpen; }
};

// Asks ACT!'s event control whether ACT! runs with a database open and, when it does not, whether it can be
// reached at all.
ActStartupCheck checkAct(act::EventControl& events);

} // namespace core
