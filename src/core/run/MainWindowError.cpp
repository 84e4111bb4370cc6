#include "MainWindowError.h"

namespace core {

namespace {

ErrorReport report(const Procedure& procedure, int line, long number, QString description) {
    return {number, std::move(description), QStringLiteral("frmMain"), procedure.kind, procedure.name, line};
}

} // namespace

ErrorReport mainWindowError(const Procedure& procedure, int line, const act::Error& error) {
    return report(procedure, line, error.number, QString::fromStdString(error.description));
}

ErrorReport mainWindowError(const Procedure& procedure, int line, long classicNumber) {
    return report(procedure, line, classicNumber, errors::description(classicNumber));
}

} // namespace core
