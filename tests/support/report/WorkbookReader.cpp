#include "WorkbookReader.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace testing_support::report {

QJsonObject readWorkbook(const QString& path) {
    // Debian's interpreter, which has python3-openpyxl; the first python3 on PATH may be another.
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(TALLIVO_READ_WORKBOOK_SCRIPT), path});
    if (!python.waitForFinished(60000) || python.exitStatus() != QProcess::NormalExit || python.exitCode() != 0) {
        ADD_FAILURE() << "openpyxl could not read " << path.toStdString()
                      << " with /usr/bin/python3: " << python.errorString().toStdString() << "\n"
                      << python.readAllStandardError().toStdString();
        return {};
    }
    return json(python.readAllStandardOutput().constData());
}

QJsonObject json(const char* text) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (!document.isObject())
        ADD_FAILURE() << "not a JSON object (" << error.errorString().toStdString() << "): " << text;
    return document.object();
}

void expectAt(const QJsonValue& root, const QJsonObject& expected) {
    for (auto field = expected.begin(); field != expected.end(); ++field) {
        QJsonValue value = root;
        for (const QString& key : field.key().split(u'.'))
            value = value[key];
        EXPECT_EQ(value, field.value()) << field.key().toStdString();
    }
}

} // namespace testing_support::report
