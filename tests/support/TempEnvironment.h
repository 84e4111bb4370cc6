#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <csignal>
#include <map>
#include <string>

#include <sys/resource.h>

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

// While it lives, writing past `bytes` into any file fails with EFBIG instead of killing the process: the one way
// to make a disk "full" when tests run as root. Only this process's limit is lowered, and it is restored after.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_handler(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit lowered = m_saved;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    void (*m_handler)(int);
    rlimit m_saved{};
};

// Replaces a file's bytes; false when it cannot be written.
bool writeBytes(const QString& path, const QByteArray& bytes);
// A file's bytes, or "<unreadable>".
QByteArray readBytes(const QString& path);

// Path of one of our executables in the build tree.
QString binary(const QString& name);

struct ProgramOutput {
    int exitCode = -1; // -1 for a crash
    std::string out, err;
};
// Runs one of our executables to its end, in folder when one is given.
ProgramOutput runBinary(const QString& name, const QStringList& arguments, const QString& folder = {});

} // namespace testing_support
