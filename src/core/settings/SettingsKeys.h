#pragma once

#include <QString>

namespace core::keys {

// Sections of the settings store.
inline const QString Settings = QStringLiteral("Settings");
inline const QString Report = QStringLiteral("Report");

// Section "Settings".
inline const QString TemplatesFolder = QStringLiteral("TemplatesFolder");
inline const QString cboOutput = QStringLiteral("cboOutput");
inline const QString ReportsListIndex = QStringLiteral("ReportsListIndex");
inline const QString ReportPrefix = QStringLiteral("Report");       // Report0 to Report2
inline const QString ManagedByPrefix = QStringLiteral("ManagedBy"); // ManagedBy0, ManagedBy1
inline const QString lstUsers0 = QStringLiteral("lstUsers0");
inline const QString DataFile = QStringLiteral("DataFile");
inline const QString Template = QStringLiteral("Template");
inline const QString TemplatePath = QStringLiteral("TemplatePath");

} // namespace core::keys
