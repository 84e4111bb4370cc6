#pragma once

#include "core/ProductName.h"

#include <QString>

namespace core::texts {

// The run's messages, in the words the user knows them by.
inline const QString NoReportSelected = QStringLiteral("You need to select a report!");
inline const QString DefinitionMissing = QStringLiteral("The definition file for this report is missing!");
inline const QString DefinitionUnusable = QStringLiteral("Unable to access this report definition file!");
inline const QString NoData = QStringLiteral("There is no data to display or export!");
inline const QString EmptyReportTitle = QStringLiteral("Empty Report");
inline const QString NoFields =
    QStringLiteral("Please check the settings for this report: no fields are to be included!");
inline const QString DataFileLocked =
    QStringLiteral("The data.CSV file can not be accessed. Make sure it is not open.");
inline const QString AlreadyRunning = QStringLiteral("An instance of this program is already running!");
inline const QString ActUnreachable =
    QStringLiteral("Unable to communicate with ACT!\rPlease run actreg.exe located in the ACT folder and try again");
inline const QString NoDatabaseOpen =
    QStringLiteral("Please open an ACT database prior to running %1!").arg(ProductName);

} // namespace core::texts
