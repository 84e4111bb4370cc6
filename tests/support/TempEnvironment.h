#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <map>

namespace testing_support {

// A private world for one test: XDG config, state, data and runtime folders and a program folder, all
// temporary, set in the environment for the test's lifetime and restored afterwards.
class TempEnvironment {
public:
    TempEnvironment();
    ~TempEnvironment();
    TempEnvironment(const TempEnvironment&) = delete;
    TempEnvironment& operator=(const TempEnvironment&) = delete;

    QString root() const { return m_dir.path(); }
    QString path(const QString& relative) const;
    QString programFolder() const { return path(QStringLiteral("program")); }
    QString stateFile() const { return path(QStringLiteral("state/act-standin/state.ini")); }

private:
    void set(const char* name, const QString& value);

    QTemporaryDir m_dir;
    std::map<QByteArray, std::pair<bool, QByteArray>> m_saved;
};

// Path of one of our executables in the build tree.
QString binary(const QString& name);

} // namespace testing_support
