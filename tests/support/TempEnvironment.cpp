#include "TempEnvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace testing_support {

TempEnvironment::TempEnvironment() {
    for (const char* folder : {"config", "state", "data", "runtime", "program"})
        QDir(m_dir.path()).mkpath(QString::fromLatin1(folder));
    QFile::setPermissions(path(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    set("XDG_CONFIG_HOME", path(QStringLiteral("config")));
    set("XDG_STATE_HOME", path(QStringLiteral("state")));
    set("XDG_DATA_HOME", path(QStringLiteral("data")));
    set("XDG_RUNTIME_DIR", path(QStringLiteral("runtime")));
    set("TALLIVO_PROGRAM_FOLDER", programFolder());
}

TempEnvironment::~TempEnvironment() {
    for (const auto& [name, saved] : m_saved) {
        if (saved.first)
            qputenv(name.constData(), saved.second);
        else
            qunsetenv(name.constData());
    }
}

QString TempEnvironment::path(const QString& relative) const {
    return QDir(m_dir.path()).filePath(relative);
}

void TempEnvironment::set(const char* name, const QString& value) {
    if (!m_saved.count(name))
        m_saved[name] = {qEnvironmentVariableIsSet(name), qgetenv(name)};
    qputenv(name, value.toLocal8Bit());
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QString binary(const QString& name) {
    return QDir(QStringLiteral(TALLIVO_BIN_DIR)).filePath(name);
}

ProgramOutput runBinary(const QString& name, const QStringList& arguments, const QString& folder) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(binary(name), arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << name.toStdString();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

} // namespace testing_support
