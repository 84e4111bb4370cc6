#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace core {

class SettingsStore;

// Output type: which reports are listed and which files every command touches.
enum class OutputType : int { ExcelReport = 0, CsvFile = 1 };

namespace extension {
inline const QString Definition[] = {QStringLiteral(".DXL"), QStringLiteral(".DCS")};
inline const QString Template = QStringLiteral(".XLT");
} // namespace extension

// The last four characters of a file name (".DXL" for Sales.DXL).
QString Ext(const QString& file);
// A file name up to, not including, its first "." (Sales for Sales.DXL).
QString NameOnly(const QString& file);

// Names of the reports of an output type in a report folder, in the order the file system gives them. A report
// is listed only when its definition file is exactly name + upper-case extension; an Excel report also needs its
// template, found whatever the case of its name. A missing folder lists nothing.
QStringList Load_Reports(const QString& reportFolder, int outputType);

// The template file of an Excel report: name + ".XLT" when that exists exactly, else the real name of a file that
// matches it ignoring case, else "".
QString templateFile(const QString& reportFolder, const QString& reportName);

// Sorts report names as the report lists show them: by the locale's collation ignoring case, names that differ only
// in case in a fixed order.
void sortReportNames(QStringList& names, const QLocale& locale = QLocale::system());

// The report folder as stored (TemplatesFolder), or the program folder's Templates when none or a blank one is.
QString storedReportFolder(const SettingsStore& store);
// The report folder path from the stored text: always ending in the folder separator.
QString reportFolderPath(const QString& storedFolder);

} // namespace core
