#pragma once

#include "core/definition/ReportDefinition.h"
#include "core/settings/SettingsStore.h"

#include <QString>

namespace report {

// What a run leaves the launcher in the settings store, read once when it starts.
struct HandOff {
    bool editTemplate = false;         // Template = "1": open TemplatePath for editing instead of building a report
    QString templateToEdit;            // TemplatePath
    QString reportTemplate;            // Path: the report's template
    QString dataFile;                  // DataFile
    core::ReportDefinition definition; // the working copy, with the run's SortCol and FieldTypes

    static HandOff read(const core::SettingsStore& store);
    // The report's name: its template's file name without the extension.
    QString reportName() const;
};

} // namespace report
