#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <ostream>

namespace testing_support::report {

// A workbook read by openpyxl through read_workbook.py (see its description of the JSON). Fails the current test
// and returns an empty object when python3, openpyxl or the workbook cannot be read.
QJsonObject readWorkbook(const QString& path);

// A value inside the JSON by its dotted path: "sheet.cells.A3.font.bold"; undefined when absent.
QJsonValue jsonAt(const QJsonObject& root, const QString& path);

} // namespace testing_support::report

// Lets test failures show JSON values as JSON.
inline void PrintTo(const QJsonValue& value, std::ostream* out) {
    *out << QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).toStdString();
}
