#pragma once

#include "DefinitionFile.h"

#include <QString>

namespace core {

namespace texts {
inline const QString DefinitionMissing = QStringLiteral("The definition file for this report is missing!");
} // namespace texts

// What the user is told when a definition did not load, in the words of its status; "" when it loaded.
QString loadProblem(const DefinitionLoad& load);

// The box a failed Update_DefFile shows before its caller reports the failure in its own words.
struct SaveFailureBox {
    QString title;
    QString text;
};
SaveFailureBox saveFailureBox(const DefinitionSave& save, long errorNumber);

} // namespace core
