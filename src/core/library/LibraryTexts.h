#pragma once

#include <QString>

namespace core::texts {

// The report library's messages.
inline const QString NameTaken = QStringLiteral("A report with that name already exists, please choose another name!");
inline const QString NameRefused = QStringLiteral(
    "A report name cannot be empty, contain a point, a slash, a backslash, any of < > : \" | ? * or a control "
    "character, be a device name such as CON, NUL or COM1, or be longer than a file name allows. Please choose "
    "another name!");
inline const QString CsvCreated = QStringLiteral("CSV Report was successfully created!");
inline const QString ConfirmDeletionTitle = QStringLiteral("Confirm Deletion");

inline QString unableToCopy(const QString& source) {
    return QStringLiteral("Unable to copy %1\rMake sure this file is not being used by another program.").arg(source);
}
inline QString confirmDeletion(const QString& report) {
    return QStringLiteral("Are you sure you want to delete the report named %1 ?").arg(report);
}
inline QString replaceCsvReport(const QString& report) {
    return QStringLiteral("A CSV report named %1 already exists. Do you want to replace it?").arg(report);
}
inline QString templateNotOpened(const QString& launcher) {
    return QStringLiteral("The template could not be opened for editing: %1 could not be started.").arg(launcher);
}

} // namespace core::texts
