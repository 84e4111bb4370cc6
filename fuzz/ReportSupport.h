#pragma once

#include <QString>

namespace fuzz {

// Writes a small report (header, a number, a date, a sub-total, an outline level, three styles) from the template
// at templatePath into a scratch workbook, as a build does; checks that what it wrote reads back as a template.
void writeReport(const QString& templatePath);
// A workbook the report builder wrote must be a package it can read again.
void requireReadable(const QString& workbookPath);

} // namespace fuzz
