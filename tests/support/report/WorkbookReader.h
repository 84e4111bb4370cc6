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

// A JSON object written in the test; fails the current test when the text is not one.
QJsonObject json(const char* text);

// Expects each value of `expected` at its key, a dotted path into root: "A3.font.bold".
void expectAt(const QJsonValue& root, const QJsonObject& expected);

} // namespace testing_support::report

// Lets test failures show JSON values as JSON.
inline void PrintTo(const QJsonValue& value, std::ostream* out) {
    *out << QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).toStdString();
}
