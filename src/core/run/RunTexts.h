#pragma once

#include <QString>

namespace core::texts {

// The run's messages, in the words the user knows them by.
inline const QString NoReportSelected = QStringLiteral("You need to select a report!");
inline const QString DefinitionUnusable = QStringLiteral("Unable to access this report definition file!");
inline const QString NoData = QStringLiteral("There is no data to display or export!");
inline const QString EmptyReportTitle = QStringLiteral("Empty Report");
inline const QString NoFields =
    QStringLiteral("Please check the settings for this report: no fields are to be included!");
inline const QString OutOfMemory = QStringLiteral(
    "There is not enough memory for this report. Please choose fewer contacts or fewer fields and run it again.");
inline const QString DataFileLocked =
    QStringLiteral("The data.CSV file can not be accessed. Make sure it is not open.");

} // namespace core::texts
