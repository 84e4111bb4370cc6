#pragma once

#include <QLocale>
#include <QString>

namespace report::xlsx {

// Whether a built-in number format shows a date or a time.
bool isBuiltInDateFormat(int id);
// Whether a format code shows a date or a time: it has a day, month, year, hour or second outside quoted text,
// brackets and escaped characters.
bool isDateFormatCode(QStringView code);
// The spreadsheet format code of the locale's short date ("M/d/yy" becomes "m/d/yy"); the C locale has none of
// its own and gets "mm/dd/yyyy".
QString shortDateFormatCode(const QLocale& locale);

} // namespace report::xlsx
