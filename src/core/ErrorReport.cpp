#include "ErrorReport.h"

#include "ProductName.h"

namespace core {

QString errors::description(long number) {
    switch (number) {
    case TypeMismatch:
        return QStringLiteral("Type mismatch");
    case FileNotFound:
        return QStringLiteral("File not found");
    case PathFileAccessError:
        return QStringLiteral("Path/File access error");
    case ObjectNotSet:
        return QStringLiteral("Object variable or With block variable not set");
    case InvalidPropertyValue:
        return QStringLiteral("Invalid property value");
    default:
        return {};
    }
}

ErrorReport errorAt(const Procedure& where, int line, long number, QString description) {
    return {number,
            std::move(description),
            QString::fromLatin1(where.module),
            QString::fromLatin1(where.kind),
            QString::fromLatin1(where.name),
            line};
}

ErrorReport errorAt(const Procedure& where, int line, long classicNumber) {
    return errorAt(where, line, classicNumber, errors::description(classicNumber));
}

ErrorReport errorAt(const Procedure& where, int line, const act::Error& error) {
    return errorAt(where, line, error.number, QString::fromStdString(error.description));
}

QString supportAddress() {
    return QStringLiteral(TALLIVO_SUPPORT_ADDRESS);
}

QString errorBoxText(const ErrorReport& report) {
    return QStringLiteral("Error %1: '%2'\rin %3: %4 %5 - Line # %6\r\rPlease contact %7 with this error message.")
        .arg(QString::number(report.number), report.description, report.module, report.kind, report.procedure,
             QString::number(report.line), supportAddress());
}

QString errorBoxTitle() {
    return ProductName + QStringLiteral(" error");
}

} // namespace core
