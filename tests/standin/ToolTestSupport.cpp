#include "ToolTestSupport.h"

#include "standin/ActDatabaseFile.h"
#include "standin/StandinCommands.h"
#include "support/TempEnvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include <sstream>

namespace tool_test {

Output run(const QStringList& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = standin::StandinCommands(out, err).run(arguments);
    return {code, out.str(), err.str()};
}

Output runBinary(const QStringList& arguments, const QString& folder) {
    QProcess process;
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(testing_support::binary(QStringLiteral("act-standin")), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

std::string exportOf(const QString& database) {
    const Output exported = run({QStringLiteral("export"), database});
    EXPECT_EQ(exported.exitCode, 0) << exported.err;
    return exported.out;
}

long long contactCount(const QString& database) {
    auto db = standin::ActDatabaseFile::open(database.toStdString());
    auto count = db->sql().prepare("SELECT COUNT(*) FROM contact");
    count.step();
    return count.int64(0);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList folderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace tool_test
