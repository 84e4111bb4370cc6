#include "DefinitionMessages.h"

namespace core {

QString loadProblem(const DefinitionLoad& load) {
    switch (load.status) {
    case DefinitionLoad::Status::Loaded:
        break;
    case DefinitionLoad::Status::Missing:
        return texts::DefinitionMissing;
    case DefinitionLoad::Status::BadLine:
        return QStringLiteral("Line %1 of the definition file for this report is not a setting: %2")
            .arg(load.line)
            .arg(load.description);
    case DefinitionLoad::Status::Unreadable:
    case DefinitionLoad::Status::StoreFailed:
        return load.description;
    }
    return {};
}

SaveFailureBox saveFailureBox(const DefinitionSave& save, long errorNumber) {
    return {QStringLiteral("Error in Library1: Function Update_DefFile"),
            save.description + QStringLiteral("\r\r(Error #%1)").arg(errorNumber)};
}

} // namespace core
