#pragma once

#include <QList>
#include <QString>

namespace templates {

struct TemplateColumn {
    int fieldId = 0;
    int fieldType = 0;
    QString caption;
};

// What a report's template shows: a title, a header row just above the data range, the columns' styles.
// A default-constructed layout is the blank template of a new report.
struct ReportLayout {
    QString title;
    QList<TemplateColumn> columns;
    int firstColumn = 0;           // 0-based column of the data range's top-left cell
    int firstDataRow = 0;          // 0-based row of that cell
    bool fieldNamesInData = false; // the data range starts with its own row of field names

    int headerRow() const { return fieldNamesInData ? -1 : firstDataRow - 1; }
};

// Reads the layout of the report whose definition file is at path; the title is the report's name.
// False, with a reason, when the file cannot be read or does not describe a layout that fits a sheet.
bool readReportLayout(const QString& path, ReportLayout& layout, QString& error);

} // namespace templates
