#pragma once

#include "act/Result.h"
#include "core/ErrorReport.h"

#include <QString>

namespace core {

// A procedure of the main window as the error box names it.
struct Procedure {
    QString kind; // "Sub" or "Function"
    QString name;
};

namespace procedures {
inline const Procedure GetLookup{QStringLiteral("Function"), QStringLiteral("GetLookup")};
inline const Procedure GetIDs{QStringLiteral("Function"), QStringLiteral("GetIDs")};
inline const Procedure Fill_Listview{QStringLiteral("Function"), QStringLiteral("Fill_Listview")};
inline const Procedure FormatData{QStringLiteral("Function"), QStringLiteral("FormatData")};
} // namespace procedures

// An ACT! error caught at a line of a main-window procedure, with ACT!'s own number and description.
ErrorReport mainWindowError(const Procedure& procedure, int line, const act::Error& error);
// A classic error caught there, with its classic description.
ErrorReport mainWindowError(const Procedure& procedure, int line, long classicNumber);

} // namespace core
