#pragma once

#include "core/platform/Shell.h"
#include "core/run/RunFrontEnd.h"
#include "core/run/RunStatus.h"
#include "core/settings/SettingsStore.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace report {

struct LaunchRequest {
    QString programFolder;
    bool open = true; // open the finished report, or the template to edit
    QDateTime startedAt = QDateTime::currentDateTime();
    QLocale locale = QLocale::system();
};

// What the launcher does with the hand-off of the last run: with Template = "1" it opens TemplatePath for editing
// and sets Template back to "0"; otherwise it builds the report as a new workbook in "Excel Reports" of the program
// folder and opens it.
core::RunStatus launch(core::SettingsStore& store, core::Shell& shell, core::RunFrontEnd& front,
                       const LaunchRequest& request);

// Excel Reports/<report name> <yyyy-mm-dd hh.mm.ss>.xlsx in the program folder; a name no file has yet.
QString newReportFile(const QString& programFolder, const QString& reportName, const QDateTime& at);

} // namespace report
