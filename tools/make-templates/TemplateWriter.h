#pragma once

#include "ReportLayout.h"

#include <QString>

namespace templates {

// Writes an Excel template (an Office Open XML workbook) with one sheet "Report" laid out for the launcher to
// fill. False, with a reason, when the workbook cannot be written.
bool writeTemplate(const ReportLayout& layout, const QString& path, QString& error);

} // namespace templates
