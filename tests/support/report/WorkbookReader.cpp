#include "WorkbookReader.h"

#include <QJsonDocument>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

namespace testing_support::report {

namespace {

// Debian's interpreter, which has python3-openpyxl; the first python3 on PATH may be another.
const QString Python = QStringLiteral("/usr/bin/python3");

} // namespace

QJsonObject readWorkbook(const QString& path) {
    QProcess python;
    python.start(Python, {QStringLiteral(TALLIVO_READ_WORKBOOK_SCRIPT), path});
    if (!python.waitForFinished(60000) || python.exitStatus() != QProcess::NormalExit || python.exitCode() != 0) {
        ADD_FAILURE() << "openpyxl could not read " << path.toStdString() << " with " << Python.toStdString() << ": "
                      << python.errorString().toStdString() << "\n"
                      << python.readAllStandardError().toStdString();
        return {};
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(python.readAllStandardOutput(), &error);
    if (!document.isObject())
        ADD_FAILURE() << "read_workbook.py printed no JSON object: " << error.errorString().toStdString();
    return document.object();
}

QJsonValue jsonAt(const QJsonObject& root, const QString& path) {
    QJsonValue value = root;
    for (const QString& key : path.split(u'.'))
        value = value.toObject().value(key);
    return value;
}

} // namespace testing_support::report
